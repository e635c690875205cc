// Edit from the register: a stored receipt shown read-only in the entry window.
#include "frmreceiptshop.h"

#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "shared/session.h"
#include "store/storedreceipt.h"

namespace entry {

using shared::session;

namespace {

void fillText(forms::TextBox& box, const ado::Recordset& rs, const char* field) {
    box.setText(core::toText(rs.field(QLatin1String(field))));
}

} // namespace

// The customer goes first: choosing one clears every other entry field.
void frmReceiptShop::showStoredParties(const ado::Recordset& rs) {
    session().commonGen->SelectComboItemByValue(cboCustomer,
                                                core::toInt32(rs.field(QStringLiteral("drcustomerid"))));
    fillText(txtBank, rs, "drbankname");
    fillText(txtRemarks, rs, "drremarks");
    txtAmount.setText(core::format(rs.field(QStringLiteral("drrecamount")), QStringLiteral("#0.00#")));
    fillText(txtchequeno, rs, "drchequeno");
    fillText(txtreceiptno, rs, "drNo");
    fillText(txtProcessDate, rs, "drdate");
    // Only the day of the stored cheque date reaches the picker.
    dtpChequeDate.setValue(core::toDateTime(rs.field(QStringLiteral("drchequedate"))).date());
}

// Choosing the currency proposes today's rates; the stored rates then replace them.
void frmReceiptShop::showStoredRates(const ado::Recordset& rs) {
    shared::Session& s = session();
    cboCurrency.setEnabled(false);
    txtExchangeRate.setEnabled(false);
    entryLookups().fillCurrencies(cboCurrency);
    s.commonGen->SelectComboItemByValue(
        cboCurrency, core::toInt32(core::val(rs.field(QStringLiteral("drreccurrencyid")))));
    fillText(txtExchangeRate, rs, "drBankExchangeRate");
    fillText(txtCompExchangeRate, rs, "drExchangeRate");
    txtrecamount.setText(core::format(rs.field(QStringLiteral("dramount")), QStringLiteral("#0.00")));
    txtrecamount.setEnabled(false);
}

// A stored receipt cannot be saved again: OK, the kind of receipt and the fields that describe the payment
// are locked; its number and date stay selectable and copyable.
void frmReceiptShop::lockStoredReceipt() {
    receipt_.stored = true;
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &cboCustomer, &txtRemarks, &txtBank, &txtchequeno, &dtpChequeDate, &cmdok, &cmdAllocate,
             &optadvance, &OptSettlement})
        control->setEnabled(false);
    for (forms::TextBox* box : {&txtreceiptno, &txtProcessDate})
        box->locked = true;
}

void frmReceiptShop::showStoredReceipt(const QString& receiptId) {
    ado::Recordset rs;
    store::openStoredReceipt(rs, adocon(), session().shopId, receiptId);
    // The window's own load fills the customers and currencies the stored values are chosen from.
    load();
    showStoredParties(rs);
    showStoredRates(rs);
    rs.close();
    if (store::hasSettledDocuments(*session().commonDb, session().shopId, receiptId)) {
        OptSettlement.setValue(true);
        DisplayDetails(receiptId);
    } else {
        optadvance.setValue(true);
    }
    lockStoredReceipt();
}

} // namespace entry
