// The settle dialog: steps through the rows of one invoice list and settles an amount against each.
#pragma once

#include "platform/ado/connection.h"
#include "platform/forms/form.h"
#include "platform/forms/listview.h"
#include "platform/forms/textcontrols.h"

#include <optional>

namespace entry {

class frmReceiptShop;

// The values of SettleListKind: which list of the entry window the dialog works on.
inline const QString ShopInvoiceList = QStringLiteral("ShopInvoice");
inline const QString OpeningInvoiceList = QStringLiteral("OpeningInvoice");

// One of the entry window's invoice lists and the columns the dialog shows of its rows.
struct SettleList {
    forms::ListView& list;
    int invoiceNoColumn;
    int amountColumn;
    int settlementColumn;
};

// The shop list for ShopInvoiceList, the opening list for any other kind.
SettleList settleListOf(frmReceiptShop& entry, const QString& kind);

class frmInvoiceEntry : public forms::Form {
public:
    frmInvoiceEntry();

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

    // The dialog's connection, given by the window that opens it.
    const ado::ConnectionPtr& adocon() const { return connection_; }
    void setAdocon(const ado::ConnectionPtr& connection) { connection_ = connection; }

    bool FirstActivation = false;

    // Copies the invoice type, number, amount and settled amount of a row into the fields.
    void showRow(const SettleList& settling, int row);

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
    std::optional<double> settleAmount() const;
    void refuseSettleAmount(const QString& message);
    void settleCurrentRow();
    frmReceiptShop& entryWindow() const;
    SettleList currentList() const;

    ado::ConnectionPtr connection_;
};

} // namespace entry
