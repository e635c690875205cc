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
// shop instead; the latest is chosen from the few rows found.
const char* const ReceiptsOfShop =
    "select h.drid, h.drno, h.drdate, h.dramount, c.customername, h.drchequeno from LosDummyReceiptHeader h, "
    "acustomermaster c where h.drcustomerid = c.customerid and h.drshopid = :shop and "
    "isnull(h.drcancelled,0) <> 1 and ";
const char* const SamePayment =
    "h.drcustomerid = :customer and h.drreccurrencyid = :currency and h.dramount = :amount and h.drdate >= "
    "':day' and h.drdate < ':nextDay'";
const char* const SameCheque = "h.drchequeno = :cheque and h.drbankname = :bank";

const QString DayOrder = QStringLiteral("yyyymmdd");

QString lookUpStatement(qint32 shopId, const ReceiptHeader& payment) {
    const QString receipts = core::statement(ReceiptsOfShop, {{"shop", QString::number(shopId)}});
    const QDateTime day = core::toDateTime(payment.date);
    const QString samePayment =
        receipts + core::statement(SamePayment, {{"customer", QString::number(payment.customerId)},
                                                 {"currency", QString::number(payment.receivedCurrencyId)},
                                                 {"amount", payment.received.text()},
                                                 {"day", core::format(day, DayOrder)},
                                                 {"nextDay", core::format(day.addDays(1), DayOrder)}});
    if (!namesCheque(payment.chequeNo)) return samePayment;
    return samePayment + QStringLiteral(" union all ") + receipts +
           core::statement(SameCheque, {{"cheque", ado::quoted(payment.chequeNo)},
                                        {"bank", ado::quoted(payment.bankName)}});
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
        if (latest && id <= latestId) continue;
        latestId = id;
        const QVariant& day = rs.field(2);
        const QVariant& received = rs.field(3);
        latest =
            EarlierPayment{core::trimBlanks(core::nullAsEmpty(rs.field(1))),
                           core::isNull(day) ? std::nullopt : std::optional(core::toDateTime(day).date()),
                           core::isNull(received) ? core::Money() : core::ExactAmount::of(received).rounded(),
                           core::trimBlanks(core::nullAsEmpty(rs.field(4))),
                           core::trimBlanks(core::nullAsEmpty(rs.field(5)))};
    }
    rs.close();
    return latest;
}

} // namespace store
