// The register's listing, its column headers and the user's rights, read with the register's connection.
#include "receiptregister.h"

#include "platform/core/statement.h"

#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"

namespace store {

namespace {

const char* const ListingStatement =
    "select drid,drno,drdate,customername,dramount, case drcancelled when 1 then 'Yes' when 0 then 'No' end "
    "from :table,acustomermaster where drcustomerid = customerid and drdate>':bound' and drshopid=:shop "
    "order by drid";
const char* const HeadersStatement =
    "select tc.columnheader,tc.columnname from atables t,atablecolumns tc where t.tableid = tc.tableid and "
    "tablename =':table'";
const char* const RightsStatement =
    "select functionrights from louserrights where userid = :user and interfaceid = :interface";

} // namespace

QString registerListing(const QDateTime& bound, qint32 shopId) {
    return core::statement(ListingStatement, {{"table", RegisterTable},
                                              {"bound", core::format(bound, QStringLiteral("yyyymmdd"))},
                                              {"shop", QString::number(shopId)}});
}

void readListing(const ado::ConnectionPtr& connection, const QString& listing,
                 const std::function<void(int columns)>& onColumns,
                 const std::function<void(const std::vector<QStringView>& cells)>& onRow) {
    ado::Recordset rs;
    rs.open(listing, connection, ado::CursorType::Keyset, ado::LockType::Optimistic);
    std::vector<QStringView> cells(rs.fieldCount());
    onColumns(int(cells.size()));
    rs.readTexts([&](const std::vector<QString>& texts) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            cells[i] = core::trimBlanks(QStringView(texts[i]));
        onRow(cells);
    });
    rs.close();
}

QStringList columnHeaders(const ado::ConnectionPtr& connection, const QString& tableName) {
    ado::Recordset rs;
    rs.open(core::statement(HeadersStatement, {{"table", tableName}}), connection);
    QStringList headers;
    for (; !rs.eof(); rs.moveNext())
        headers << core::nullAsEmpty(rs.field(QStringLiteral("columnheader")));
    rs.close();
    return headers;
}

std::optional<QString> screenRights(const ado::ConnectionPtr& connection, qint32 userId, qint32 interfaceId) {
    ado::Recordset rs;
    rs.open(core::statement(RightsStatement,
                            {{"user", QString::number(userId)}, {"interface", QString::number(interfaceId)}}),
            connection, ado::CursorType::Keyset, ado::LockType::Optimistic);
    std::optional<QString> rights;
    if (!rs.eof()) rights = core::nullAsEmpty(rs.field(QStringLiteral("FunctionRights")));
    rs.close();
    return rights;
}

} // namespace store
