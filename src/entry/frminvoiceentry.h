// The settle dialog: steps through the rows of one invoice list and settles an amount against each.
#pragma once

#include "receipt.h"

#include "platform/ado/connection.h"
#include "platform/forms/form.h"
#include "platform/forms/listview.h"
#include "platform/forms/textcontrols.h"

namespace entry {

class frmReceiptShop;

// A view of the entry window's receipt: it shows one line at a time and settles amounts on them.
class frmInvoiceEntry : public forms::Form {
public:
    frmInvoiceEntry();

    // The dialog's connection, given by the window that opens it.
    const ado::ConnectionPtr& adocon() const { return connection_; }
    void setAdocon(const ado::ConnectionPtr& connection) { connection_ = connection; }

    // Shows the invoice type, number, amount and settled amount of a line; the dialog steps through the
    // line's list.
    void showLine(const SettlementLine& line);
    // Whether the cashier settled a row with a change since the dialog was loaded: the entry then has changes
    // to save.
    bool changedLines() const { return changedLines_; }

    void Form_Load() override;
    void Form_Activate() override;
    void cmdFirst_Click();
    void cmdPrevious_Click();
    void cmdNext_Click();
    void cmdLast_Click();
    void cmdok_Click();
    void cmdCancel_Click();
    void txtSettleAmt_GotFocus();
    void txtSettleAmt_KeyPress(int& keyAscii);

private:
    void layOutControls();
    void wireEvents();
    void moveTo(int position);
    void enableBackward(bool enabled);
    void enableForward(bool enabled);
    void refuseSettleAmount(const QString& message);
    void settleCurrentRow();
    frmReceiptShop& entryWindow() const;
    DocumentList currentList() const;
    int lineCount() const;

    forms::Frame fraBills;
    forms::Label lblInvType;
    forms::TextBox txtInvType;
    forms::Label lblInvNo;
    forms::TextBox txtInvNo;
    forms::Label lblAmount;
    forms::TextBox txtAmount;
    forms::Label lblSettleAmt;
    forms::TextBox txtSettleAmt;
    forms::CommandButton cmdFirst;
    forms::CommandButton cmdPrevious;
    forms::CommandButton cmdNext;
    forms::CommandButton cmdLast;
    forms::CommandButton cmdok;
    forms::CommandButton cmdCancel;

    ado::ConnectionPtr connection_;
    bool firstActivation_ = false;
    DocumentList list_ = DocumentList::Shop;
    bool changedLines_ = false;
};

} // namespace entry
