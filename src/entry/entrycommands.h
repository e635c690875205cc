// The entry window as the register's New and Edit open it, without the register needing its class.
#pragma once

#include "platform/ado/connection.h"

#include <QString>

namespace forms {
class Form;
}

namespace entry {

// New: the entry window on the connection, shown modally for a new receipt.
void enterNewReceipt(const ado::ConnectionPtr& connection, forms::Form& owner);

// Edit: the stored receipt shown read-only in the entry window, modally. A failure before the window is
// shown travels to the caller, and the window is not shown.
void showStoredReceipt(const ado::ConnectionPtr& connection, const QString& receiptId, forms::Form& owner);

// Print: the voucher of a stored receipt written by the entry window, which loads without being shown
// when it is not loaded and unloads again afterwards.
void printThroughEntryWindow(const ado::ConnectionPtr& connection, qint32 receiptId);

} // namespace entry
