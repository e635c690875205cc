// The module driven headless as a cashier drives it: the register of a shop opened through the component,
// receipts entered in its entry window and saved with OK.
#pragma once

#include "entry/frmreceiptshop.h"
#include "platform/ado/connection.h"
#include "platform/forms/headlessbackend.h"
#include "support/windowcontrols.h"

#include <QTemporaryDir>
#include <functional>
#include <utility>
#include <vector>

namespace bench {

// The application folder of a run: a temporary folder whose settings ask before printing a voucher.
class CashierFolder {
public:
    CashierFolder();
    bool ready() const { return ready_; }

private:
    QTemporaryDir folder_;
    bool ready_ = false;
};

// The question asked before a payment another receipt may record is stored: the benchmarks' receipts are
// payments of their own, however alike, and the cashier answers Yes.
bool asksAboutEarlierPayment(const forms::MessageBoxRequest& request);

// Prints every error the module reports on stderr and passes it on to `count`, when given.
void reportErrorsOnStderr(std::function<void()> count = nullptr);

// What the cashier does while the register is open, and in each entry window it opens.
struct Cashier {
    std::function<void(testing_support::RegisterControls&)> inRegister;
    std::function<void(testing_support::EntryControls&)> inEntry;
    std::function<forms::MsgResult(const forms::MessageBoxRequest&)> onMessage;
};

// Opens the register of the shop through the component on `connection`, as a host's Show does, today's
// date being the process date; returns when the register closes, which it does once `inRegister` is done.
void showRegister(const ado::ConnectionPtr& connection, int shopId, const Cashier& cashier);

// The position of the customer in the entry window's customer list; -1 when it is not listed.
int customerIndex(const testing_support::EntryControls& entry, qint32 customerId);

// A listed shop document and the amount settled on it.
using Settlement = std::pair<int, entry::Money>;

// Fills in a settlement of the listed shop documents as received in full by the cheque `chequeNo`: bank,
// remarks, cheque number, the settlements, and the received total.
void enterSettlement(testing_support::EntryControls& entry, const std::vector<Settlement>& settlements,
                     const QString& chequeNo);

} // namespace bench
