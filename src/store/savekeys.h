// The key a counter gives a save before sending it, stored with the receipt: after a line broke with the
// commit on its way, the key says whether the receipt was stored.
#pragma once

#include "receiptnumbering.h"

#include <optional>

namespace store {

// A new key, unlike any other counter's.
QString newSaveKey();

// Adds the key of the receipt being saved, in the saving transaction: a second save under the key fails.
void recordSaveKey(const ado::ConnectionPtr& connection, const QString& key, qint32 shopId, qint32 receiptId);

// The receipt stored under the key; nothing when no save under it was committed.
std::optional<ReceiptKeys> receiptSavedUnder(const ado::ConnectionPtr& connection, const QString& key);

} // namespace store
