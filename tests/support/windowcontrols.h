// The controls of the register, the reason dialog, the entry window and the settle dialog, found by the names
// the windows give them, as a scenario finds them: the windows keep their controls to themselves.
#pragma once

#include "entry/frminvoiceentry.h"
#include "entry/frmreceiptshop.h"
#include "platform/core/runtimeerror.h"
#include "platform/forms/combobox.h"
#include "platform/forms/grid.h"
#include "platform/forms/listview.h"
#include "platform/forms/menu.h"
#include "platform/forms/textcontrols.h"

namespace testing_support {

template <class C> C& controlNamed(forms::Form& window, const char* name) {
    if (auto* control = dynamic_cast<C*>(window.findControl(QString::fromLatin1(name)))) return *control;
    throw core::RuntimeError(core::err::ItemNotFound, window.name() + QStringLiteral(" has no ") + name);
}

struct RegisterControls {
    explicit RegisterControls(forms::Form& registerWindow) : window(registerWindow) {}

    forms::Form& window;
    forms::Grid& flexMaster = controlNamed<forms::Grid>(window, "flexMaster");
    forms::CommandButton& cmdnew = controlNamed<forms::CommandButton>(window, "cmdnew");
    forms::CommandButton& CmdEdit = controlNamed<forms::CommandButton>(window, "CmdEdit");
    forms::CommandButton& CmdDelete = controlNamed<forms::CommandButton>(window, "CmdDelete");
    forms::CommandButton& cmdUpdate = controlNamed<forms::CommandButton>(window, "cmdUpdate");
    forms::CommandButton& cmdPrint = controlNamed<forms::CommandButton>(window, "cmdPrint");
    forms::CommandButton& CmdClose = controlNamed<forms::CommandButton>(window, "CmdClose");
};

struct EntryControls {
    explicit EntryControls(entry::frmReceiptShop& entryWindow) : window(entryWindow) {}

    entry::frmReceiptShop& window;
    forms::TextBox& txtProcessDate = controlNamed<forms::TextBox>(window, "txtProcessDate");
    forms::ComboBox& cboCustomer = controlNamed<forms::ComboBox>(window, "cboCustomer");
    forms::ComboBox& cboCurrency = controlNamed<forms::ComboBox>(window, "cboCurrency");
    forms::TextBox& txtExchangeRate = controlNamed<forms::TextBox>(window, "txtExchangeRate");
    forms::TextBox& txtCompExchangeRate = controlNamed<forms::TextBox>(window, "txtCompExchangeRate");
    forms::TextBox& txtdepcurrency = controlNamed<forms::TextBox>(window, "txtdepcurrency");
    forms::TextBox& txtrecamount = controlNamed<forms::TextBox>(window, "txtrecamount");
    forms::TextBox& txtCustEquAmount = controlNamed<forms::TextBox>(window, "txtCustEquAmount");
    forms::TextBox& txtAmount = controlNamed<forms::TextBox>(window, "txtAmount");
    forms::TextBox& txtchequeno = controlNamed<forms::TextBox>(window, "txtchequeno");
    forms::TextBox& txtBank = controlNamed<forms::TextBox>(window, "txtBank");
    forms::TextBox& txtRemarks = controlNamed<forms::TextBox>(window, "txtRemarks");
    forms::OptionButton& optadvance = controlNamed<forms::OptionButton>(window, "optadvance");
    forms::ListView& lvwInvoice = controlNamed<forms::ListView>(window, "lvwInvoice");
    forms::ListView& lvwOpeningInvoices = controlNamed<forms::ListView>(window, "lvwOpeningInvoices");
    forms::CommandButton& cmdok = controlNamed<forms::CommandButton>(window, "cmdok");
    forms::Menu& mnuPreview = controlNamed<forms::Menu>(window, "mnuPreview");
};

struct SettleDialogControls {
    explicit SettleDialogControls(forms::Form& dialog) : window(dialog) {}

    forms::Form& window;
    forms::TextBox& txtInvNo = controlNamed<forms::TextBox>(window, "txtInvNo");
    forms::TextBox& txtSettleAmt = controlNamed<forms::TextBox>(window, "txtSettleAmt");
    forms::CommandButton& cmdok = controlNamed<forms::CommandButton>(window, "cmdok");
    forms::CommandButton& cmdCancel = controlNamed<forms::CommandButton>(window, "cmdCancel");
};

} // namespace testing_support
