// The saving lock every counter takes, and the next receipt number under a prefix taken under it.
#pragma once

#include "platform/ado/connection.h"

namespace store {

// Takes the lock every saving counter of every shop takes, held to the end of the caller's transaction:
// the receipt numbers and the balances of the documents a receipt settles (opening invoices are
// company-wide) change under it only.
void lockReceiptSaving(const ado::ConnectionPtr& connection);

// The prefix followed by the next sequence number under it, counting the numbers of every shop that
// start with the prefix (without regard to case). Keeps the number taken: run it in the saving transaction,
// under the saving lock, so that no other counter takes the same number and a save given up gives the
// number back. Error 6 when the 32-bit sequence is used up.
QString nextReceiptNumber(const ado::ConnectionPtr& connection, const QString& prefix);

} // namespace store
