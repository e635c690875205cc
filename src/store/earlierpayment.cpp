// One statement over the shop's receipt headers, through their date and cheque indexes.
#include "earlierpayment.h"

#include "platform/ado/quoting.h"
#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/core/statement.h"

#include <algorithm>

namespace store {

namespace {

const char* const EarlierPaymentStatement =
    "select h.drno, h.drdate, h.dramount, c.customername, h.drchequeno from LosDummyReceiptHeader h, "
    "acustomermaster c where h.drcustomerid = c.customerid and h.drshopid = :shop and "
    "isnull(h.drcancelled,0) <> 1 and (:condition) order by h.drid desc";
const char* const SamePayment =
    "(h.drcustomerid = :customer and h.drreccurrencyid = :currency and h.dramount = :amount and h.drdate >= "
    "':day' and h.drdate < ':nextDay')";
const char* const SameCheque = " or (h.drchequeno = :cheque and h.drbankname = :bank)";

const QString DayOrder = QStringLiteral("yyyymmdd");

QString conditionOf(const ReceiptHeader& payment) {
    const QDateTime day = core::toDateTime(payment.date);
    const QString samePayment =
        core::statement(SamePayment, {{"customer", QString::number(payment.customerId)},
                                      {"currency", QString::number(payment.receivedCurrencyId)},
                                      {"amount", payment.received.text()},
                                      {"day", core::format(day, DayOrder)},
                                      {"nextDay", core::format(day.addDays(1), DayOrder)}});
    if (!namesCheque(payment.chequeNo)) return samePayment;
    return samePayment + core::statement(SameCheque, {{"cheque", ado::quoted(payment.chequeNo)},
                                                      {"bank", ado::quoted(payment.bankName)}});
}

} // namespace

bool namesCheque(const QString& chequeNo) {
    return std::any_of(chequeNo.begin(), chequeNo.end(), [](QChar c) { return c.isDigit(); });
}

std::optional<EarlierPayment> earlierPayment(const ado::ConnectionPtr& connection, qint32 shopId,
                                             const ReceiptHeader& payment) {
    ado::Recordset rs;
    rs.open(core::statement(EarlierPaymentStatement,
                            {{"shop", QString::number(shopId)}, {"condition", conditionOf(payment)}}),
            connection, ado::CursorType::ForwardOnly, ado::LockType::ReadOnly);
    std::optional<EarlierPayment> earlier;
    if (!rs.eof())
        earlier = EarlierPayment{core::trimBlanks(core::nullAsEmpty(rs.field(0))), rs.field(1),
                                 core::ExactAmount::of(rs.field(2)).rounded(),
                                 core::trimBlanks(core::nullAsEmpty(rs.field(3))),
                                 core::trimBlanks(core::nullAsEmpty(rs.field(4)))};
    rs.close();
    return earlier;
}

} // namespace store
