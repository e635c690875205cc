// The receipt that may already record the payment being entered: asked about before a new receipt is stored.
#pragma once

#include "receiptsaving.h"

#include <QDate>
#include <optional>

namespace store {

// Whether a cheque number names a cheque: it holds a digit ("CASH" and "NA" name none).
bool namesCheque(const QString& chequeNo);

// The latest receipt of the shop, not cancelled, that records the same customer, received currency and
// amount on the same receipt date, or the same cheque number from the same bank. A cheque number counts only
// when it names a cheque.
// A day or an amount another program left empty is none and nothing.
struct EarlierPayment {
    QString number;
    std::optional<QDate> day;
    core::Money received;
    QString customerName;
    QString chequeNo;
};
std::optional<EarlierPayment> earlierPayment(const ado::ConnectionPtr& connection, qint32 shopId,
                                             const ReceiptHeader& payment);

} // namespace store
