// The saving lock every counter takes, and the keys of a new receipt taken under it.
#pragma once

#include "platform/ado/connection.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

namespace store {

// The receipt screen's id in the suite's common tables (rights, audit, prefixes).
constexpr qint32 ReceiptInterfaceId = 1505;

// A new receipt's id in its shop and its number.
struct ReceiptKeys {
    qint32 id = 0;
    QString number;
};

// A new receipt's keys, and the first values of what the caller read with them.
struct LockedReceipt {
    ReceiptKeys keys;
    QVariantList read;
};

// Takes the lock every saving counter of every shop takes, held to the end of the caller's transaction, and
// under it the receipt's keys: the shop's highest id and one, and the number nextReceiptNumber gives, read
// together with the lock where the engine allows, and so are the first values of the statements
// `readUnderLock`. The receipt numbers and the balances of the documents a receipt settles (opening invoices
// are company-wide) change under the lock only.
LockedReceipt lockAndNumberReceipt(const ado::ConnectionPtr& connection, qint32 shopId, const QString& prefix,
                                   const QStringList& readUnderLock = {});

// The prefix followed by the next sequence number under it, counting the numbers of every shop that
// start with the prefix (without regard to case). Keeps the number taken: run it in the saving transaction,
// under the saving lock, so that no other counter takes the same number and a save given up gives the
// number back. Error 6 when the 32-bit sequence is used up.
QString nextReceiptNumber(const ado::ConnectionPtr& connection, const QString& prefix);

} // namespace store
