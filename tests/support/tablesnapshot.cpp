// The rows of a test database's tables as text, and the difference of two such readings.
#include "tablesnapshot.h"

#include "platform/ado/driver.h"
#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"

#include <algorithm>
#include <iterator>

namespace testing_support {

namespace {

// The engine's own catalog: the module's dialect has no statement listing the tables.
QStringList tableNames(const ado::ConnectionPtr& connection) {
    const bool embedded = connection->driver().name() == QLatin1String("SQLite");
    ado::Recordset rs;
    rs.open(embedded ? QStringLiteral("select name from sqlite_master where type = 'table'")
                     : QStringLiteral("select table_name from information_schema.tables where "
                                      "table_schema = current_schema() and table_type = 'BASE TABLE'"),
            connection);
    QStringList names;
    for (; !rs.eof(); rs.moveNext())
        names << rs.field(0).toString();
    return names;
}

void addRows(const ado::ConnectionPtr& connection, const QString& table, const QStringList& varyingColumns,
             QStringList& rows) {
    ado::Recordset rs;
    rs.open(QStringLiteral("select * from ") + table, connection);
    for (; !rs.eof(); rs.moveNext()) {
        QStringList fields;
        for (int i = 0; i < rs.fieldCount(); ++i) {
            const QVariant& value = rs.field(i);
            const bool varies =
                !value.isNull() && varyingColumns.contains(rs.fieldName(i), Qt::CaseInsensitive);
            fields << rs.fieldName(i) + '=' + (varies ? QStringLiteral("varies") : core::nullAsEmpty(value));
        }
        rows << table + QStringLiteral(": ") + fields.join(QStringLiteral(", "));
    }
}

} // namespace

QStringList tableRows(const TestDatabase& database, const QStringList& tablesLeftOut,
                      const QStringList& varyingColumns) {
    QStringList rows;
    for (const QString& table : tableNames(database.connection()))
        if (!tablesLeftOut.contains(table, Qt::CaseInsensitive))
            addRows(database.connection(), table, varyingColumns, rows);
    rows.sort();
    return rows;
}

// Both lists are sorted: a row held twice on one side and once on the other differs too.
QString rowDifferences(const QStringList& before, const QStringList& after) {
    QStringList gone;
    QStringList added;
    std::set_difference(before.begin(), before.end(), after.begin(), after.end(), std::back_inserter(gone));
    std::set_difference(after.begin(), after.end(), before.begin(), before.end(), std::back_inserter(added));
    QString differences;
    for (const QString& row : gone)
        differences += QStringLiteral("- ") + row + '\n';
    for (const QString& row : added)
        differences += QStringLiteral("+ ") + row + '\n';
    return differences;
}

} // namespace testing_support
