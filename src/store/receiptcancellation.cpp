// The cancellation's statements: the shop's window, the remarks that refuse it, the update with its audit.
#include "receiptcancellation.h"

#include "platform/core/statement.h"

#include "platform/ado/quoting.h"
#include "platform/ado/transaction.h"
#include "platform/core/conversions.h"

namespace store {

namespace {

const char* const CancelStatement =
    "update LosDummyReceiptHeader set drcancelled = 1 ,drCancelledRemarks = :reason where drshopid=:shop "
    "and drid = ':receipt'";
const QString DateOrder = QStringLiteral("yyyy/mm/dd");

} // namespace

bool withinCancellationWindow(suite::ClsCommonDb& commonDb, qint32 shopId, const QDateTime& processDate,
                              const QString& receiptDate) {
    const int days =
        core::toInt32(commonDb.fnreturnfield(QStringLiteral("ashops"), QStringLiteral("futureint"),
                                             QStringLiteral(" shopid=") + QString::number(shopId)));
    return !(core::format(processDate.addDays(-days), DateOrder) > core::format(receiptDate, DateOrder));
}

bool dealtWithAlready(suite::ClsCommonDb& commonDb, const ListedReceipt& receipt) {
    const QString remarks = core::nullAsEmpty(
        commonDb.fnreturnfield(QStringLiteral("losdummyreceiptheader"), QStringLiteral("drcancelledremarks"),
                               QStringLiteral("drId =") + core::numberText(core::val(receipt.id)) +
                                   QStringLiteral(" And drShopid = ") + QString::number(receipt.shopId)));
    return !remarks.isEmpty();
}

void cancelReceipt(const ado::ConnectionPtr& connection, suite::ClsUserAuditing& auditing,
                   const ListedReceipt& receipt, const QString& reason) {
    ado::Transaction transaction(connection);
    connection->execute(core::statement(CancelStatement, {{"reason", ado::quoted(reason)},
                                                          {"shop", QString::number(receipt.shopId)},
                                                          {"receipt", receipt.id}}));
    auditing.SaveUserAuditingInfo(receipt.id, receipt.number, true, QStringLiteral("D"));
    transaction.commit();
}

} // namespace store
