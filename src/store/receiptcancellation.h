// Cancelling a receipt of the register: the checks that refuse it, and the cancellation stored with its
// reason and its audit entry.
#pragma once

#include "shared/services/servicesinterfaces.h"

#include <QDateTime>
#include <QString>

namespace store {

// The receipt of a register row: its id and its number as the register lists them, and its shop.
struct ListedReceipt {
    qint32 shopId = 0;
    QString id;
    QString number;
};

// Whether a receipt of the shop dated receiptDate (as the register lists it) may still be cancelled: not
// once it is older than the shop's cancellation window, its futureint days before the process date.
bool withinCancellationWindow(suite::ClsCommonDb& commonDb, qint32 shopId, const QDateTime& processDate,
                              const QString& receiptDate);

// Any text in drcancelledremarks means the receipt was dealt with already, by head office or by an earlier
// cancellation: it can no longer be cancelled here.
bool dealtWithAlready(suite::ClsCommonDb& commonDb, const ListedReceipt& receipt);

// Marks the receipt cancelled with the reason and records the cancellation in the audit trail: the flag,
// the reason and the audit entry are stored together or not at all.
void cancelReceipt(const ado::ConnectionPtr& connection, suite::ClsUserAuditing& auditing,
                   const ListedReceipt& receipt, const QString& reason);

} // namespace store
