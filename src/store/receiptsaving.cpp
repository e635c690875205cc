// The header and line rows of a new receipt.
#include "receiptsaving.h"

#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/core/statement.h"

namespace store {

namespace {

const QString HeaderStatement = QStringLiteral("select * from LosDummyReceiptHeader where drshopid=");
const QString DetailStatement = QStringLiteral("select * from LosDummyReceiptDetail where drdshopid=");

const char* const PrefixStatement =
    "SELECT Prefix FROM aPrefix WHERE InterfaceID = :interface and shopid=:shop and financialid = :financial";
const char* const ServerTimeStatement = "select CURRENT_TIMESTAMP";
const char* const UserNameStatement = "select username from Lousers where userid=:user";
const char* const DepartmentStatement = "select departmentid from ashops where  shopid=:shop";

// A field read where a missing value is an empty text.
QVariant textIfNull(const QVariant& value) {
    return core::isNull(value) ? QVariant(QString()) : value;
}

} // namespace

HeaderFacts readHeaderFacts(const ado::ConnectionPtr& connection, const SavingCounter& counter) {
    const QString shop = QString::number(counter.shopId);
    const QVariantList read = connection->firstValues(
        {QString::fromLatin1(ServerTimeStatement),
         core::statement(PrefixStatement, {{"interface", QString::number(ReceiptInterfaceId)},
                                           {"shop", shop},
                                           {"financial", QString::number(counter.financialId)}}),
         core::statement(UserNameStatement, {{"user", QString::number(counter.userId)}}),
         core::statement(DepartmentStatement, {{"shop", shop}})});
    return {read.at(0), core::nullAsEmpty(read.at(1)), textIfNull(read.at(2)),
            core::toInt32(textIfNull(read.at(3)))};
}

void addReceiptHeader(const ado::ConnectionPtr& connection, const SavingCounter& counter,
                      const ReceiptKeys& keys, const HeaderFacts& facts, const ReceiptHeader& header) {
    ado::Recordset rs;
    rs.open(HeaderStatement + QString::number(counter.shopId), connection, ado::CursorType::Keyset,
            ado::LockType::Optimistic);
    rs.addNew();
    rs.setField(QStringLiteral("drShopid"), counter.shopId);
    rs.setField(QStringLiteral("drID"), keys.id);
    rs.setField(QStringLiteral("drCompanyID"), counter.companyId);
    rs.setField(QStringLiteral("drTime"), facts.savedAt);
    rs.setField(QStringLiteral("drNo"), keys.number);
    rs.setField(QStringLiteral("drRecadduser"), facts.userName);
    rs.setField(QStringLiteral("drDepartmentid"), facts.departmentId);
    rs.setField(QStringLiteral("drCounterID"), counter.counterId);
    rs.setField(QStringLiteral("drdate"), header.date);
    rs.setField(QStringLiteral("drcustomerid"), header.customerId);
    rs.setField(QStringLiteral("drbankname"), header.bankName);
    rs.setField(QStringLiteral("drremarks"), header.remarks);
    rs.setField(QStringLiteral("drchequeno"), header.chequeNo);
    rs.setField(QStringLiteral("drchequedate"), header.chequeDate);
    rs.setField(QStringLiteral("dramount"), header.received.text());
    rs.setField(QStringLiteral("drreccurrencyid"), header.receivedCurrencyId);
    rs.setField(QStringLiteral("drrecamount"), header.recorded.text());
    rs.setField(QStringLiteral("drBankExchangeRate"), header.bankRate);
    rs.setField(QStringLiteral("drExchangeRate"), header.companyFactor);
    rs.setField(QStringLiteral("drCancelled"), qint16(0));
    rs.setField(QStringLiteral("drdepexRate"), header.departmentFactor);
    rs.setField(QStringLiteral("drexchangerates"), header.ratesText);
    rs.setField(QStringLiteral("drUserID"), counter.userId);
    rs.update();
    rs.close();
}

void addReceiptLines(const ado::ConnectionPtr& connection, const SavingCounter& counter, qint32 receiptId,
                     const std::vector<ReceiptLine>& lines) {
    ado::Recordset rs;
    rs.open(DetailStatement + QString::number(counter.shopId), connection, ado::CursorType::Keyset,
            ado::LockType::Optimistic);
    for (const ReceiptLine& line : lines) {
        rs.addNew();
        rs.setField(QStringLiteral("drdshopid"), counter.shopId);
        rs.setField(QStringLiteral("drdid"), receiptId);
        rs.setField(QStringLiteral("drdDetailid"), line.lineNumber);
        rs.setField(QStringLiteral("drdCompanyid"), counter.companyId);
        rs.setField(line.documentColumn, line.documentId);
        rs.setField(QStringLiteral("drdinvoiceamount"), line.outstanding.text());
        rs.setField(QStringLiteral("drdsettledamount"), line.settled.text());
        rs.update();
    }
    rs.close();
}

} // namespace store
