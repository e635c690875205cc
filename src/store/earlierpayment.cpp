// One statement over the shop's receipt headers, through their date and cheque indexes.
#include "earlierpayment.h"

#include "platform/ado/quoting.h"
#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/core/statement.h"

#include <algorithm>

namespace store {

namespace {

// Each part of the union finds its rows through an index of its own: the shop's receipts of one day, or
// the shop's receipts of one cheque number. An order by would send the engine through every receipt of the
// shop instead; the latest is chosen from the few rows found. The amount is compared here, among the
// customer's few receipts of the day: the statement's other literals are the dialect's bound values (the
// cheque and its bank among them), and its text changes only with the day.
const char* const ReceiptsOfShop =
    "select h.drid, h.drno, h.drdate, h.dramount, c.customername, h.drchequeno, :part as part "
    "from LosDummyReceiptHeader h, acustomermaster c where h.drcustomerid = c.customerid "
    "and h.drshopid = :shop and isnull(h.drcancelled,0) <> 1 and ";
const char* const SamePayment =
    "h.drcustomerid = :customer and h.drreccurrencyid = :currency and h.drdate >= "
    "':day' and h.drdate < ':nextDay'";
const char* const SameCheque = "h.drchequeno = :cheque and h.drbankname = :bank";

// Which part of the union found a row.
enum Part { SamePaymentPart = 1, SameChequePart = 2 };

const QString DayOrder = QStringLiteral("yyyymmdd");

QString receiptsOfShop(qint32 shopId, Part part) {
    return core::statement(ReceiptsOfShop,
                           {{"shop", QString::number(shopId)}, {"part", QString::number(part)}});
}

QString lookUpStatement(qint32 shopId, const ReceiptHeader& payment) {
    const QDateTime day = core::toDateTime(payment.date);
    const QString samePayment =
        receiptsOfShop(shopId, SamePaymentPart) +
        core::statement(SamePayment, {{"customer", QString::number(payment.customerId)},
                                      {"currency", QString::number(payment.receivedCurrencyId)},
                                      {"day", core::format(day, DayOrder)},
                                      {"nextDay", core::format(day.addDays(1), DayOrder)}});
    if (!namesCheque(payment.chequeNo)) return samePayment;
    return samePayment + QStringLiteral(" union all ") + receiptsOfShop(shopId, SameChequePart) +
           core::statement(SameCheque, {{"cheque", ado::quoted(payment.chequeNo)},
                                        {"bank", ado::quoted(payment.bankName)}});
}

// An amount another program left empty is nothing.
core::Money receivedOn(const ado::Recordset& rs) {
    const QVariant& amount = rs.field(3);
    return core::isNull(amount) ? core::Money() : core::ExactAmount::of(amount).rounded();
}

// A receipt of the customer's day counts when it records the amount; one of the cheque whatever it records.
bool recordsPayment(const ado::Recordset& rs, const ReceiptHeader& payment) {
    if (core::toInt32(rs.field(6)) == SameChequePart) return true;
    return !core::isNull(rs.field(3)) && receivedOn(rs) == payment.received;
}

// A day another program left empty is none.
EarlierPayment earlierPaymentOf(const ado::Recordset& rs) {
    const QVariant& day = rs.field(2);
    return {core::trimBlanks(core::nullAsEmpty(rs.field(1))),
            core::isNull(day) ? std::nullopt : std::optional(core::toDateTime(day).date()), receivedOn(rs),
            core::trimBlanks(core::nullAsEmpty(rs.field(4))),
            core::trimBlanks(core::nullAsEmpty(rs.field(5)))};
}

} // namespace

bool namesCheque(const QString& chequeNo) {
    return std::any_of(chequeNo.begin(), chequeNo.end(), [](QChar c) { return c.isDigit(); });
}

std::optional<EarlierPayment> earlierPayment(const ado::ConnectionPtr& connection, qint32 shopId,
                                             const ReceiptHeader& payment) {
    ado::Recordset rs;
    rs.open(lookUpStatement(shopId, payment), connection, ado::CursorType::ForwardOnly,
            ado::LockType::ReadOnly);
    std::optional<EarlierPayment> latest;
    qint32 latestId = 0;
    for (; !rs.eof(); rs.moveNext()) {
        const qint32 id = core::toInt32(rs.field(0));
        if ((latest && id <= latestId) || !recordsPayment(rs, payment)) continue;
        latestId = id;
        latest = earlierPaymentOf(rs);
    }
    rs.close();
    return latest;
}

} // namespace store
