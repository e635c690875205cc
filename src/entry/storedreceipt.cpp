// Edit from the register: a stored receipt shown read-only in the entry window.
#include "frmreceiptshop.h"

#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "shared/session.h"
#include "shared/statement.h"

namespace entry {

using shared::session;

namespace {

const char* const StoredHeaderStatement =
    "select * from LOsDummyReceiptHeader where  drshopid=:shop and drid = ':receipt'";

QString shopText() {
    return QString::number(session().shopId);
}

void fillText(forms::TextBox& box, const ado::Recordset& rs, const char* field) {
    box.setText(core::toText(rs.field(QLatin1String(field))));
}

// The customer goes first: choosing one clears every other entry field.
void showStoredParties(frmReceiptShop& entry, const ado::Recordset& rs) {
    session().commonGen->SelectComboItemByValue(entry.cboCustomer,
                                                core::toInt32(rs.field(QStringLiteral("drcustomerid"))));
    fillText(entry.txtBank, rs, "drbankname");
    fillText(entry.txtRemarks, rs, "drremarks");
    entry.txtAmount.setText(core::format(rs.field(QStringLiteral("drrecamount")), QStringLiteral("#0.00#")));
    fillText(entry.txtchequeno, rs, "drchequeno");
    fillText(entry.txtreceiptno, rs, "drNo");
    fillText(entry.txtProcessDate, rs, "drdate");
    // Only the day of the stored cheque date reaches the picker.
    entry.dtpChequeDate.setValue(core::toDateTime(rs.field(QStringLiteral("drchequedate"))).date());
}

// Choosing the currency proposes today's rates; the stored rates then replace them.
void showStoredRates(frmReceiptShop& entry, const ado::Recordset& rs) {
    shared::Session& s = session();
    entry.cboCurrency.setEnabled(false);
    entry.txtExchangeRate.setEnabled(false);
    s.commonDb->strTableName = QStringLiteral("acurrencymaster");
    s.commonDb->populatecomboorlist(entry.cboCurrency, QStringLiteral("currencyid"),
                                    QStringLiteral("currencyname"));
    s.commonGen->SelectComboItemByValue(
        entry.cboCurrency, core::toInt32(core::val(rs.field(QStringLiteral("drreccurrencyid")))));
    fillText(entry.txtExchangeRate, rs, "drBankExchangeRate");
    fillText(entry.txtCompExchangeRate, rs, "drExchangeRate");
    entry.txtrecamount.setText(core::format(rs.field(QStringLiteral("dramount")), QStringLiteral("#0.00")));
    entry.txtrecamount.setEnabled(false);
}

bool hasSettledDocuments(const QString& receiptId) {
    shared::Session& s = session();
    s.commonDb->strTableName = QStringLiteral("losdummyreceiptdetail where drdid=") + receiptId +
                               QStringLiteral(" And drdshopid = ") + shopText();
    return core::val(s.commonDb->fnreturnfield(QStringLiteral("count(*)"))) > 0;
}

// A stored receipt cannot be saved again: OK and the fields that describe the payment are locked.
void lockStoredReceipt(frmReceiptShop& entry) {
    for (forms::Control* control :
         std::initializer_list<forms::Control*>{&entry.cboCustomer, &entry.txtRemarks, &entry.txtBank,
                                                &entry.txtchequeno, &entry.dtpChequeDate, &entry.cmdok})
        control->setEnabled(false);
}

} // namespace

void frmReceiptShop::showStoredReceipt(const QString& receiptId) {
    ado::Recordset rs;
    rs.open(shared::statement(StoredHeaderStatement, {{"shop", shopText()}, {"receipt", receiptId}}),
            adocon());
    // The window's own load fills the customers and currencies the stored values are chosen from.
    load();
    showStoredParties(*this, rs);
    showStoredRates(*this, rs);
    rs.close();
    if (hasSettledDocuments(receiptId)) {
        OptSettlement.setValue(true);
        DisplayDetails(receiptId);
    } else {
        optadvance.setValue(true);
    }
    lockStoredReceipt(*this);
}

} // namespace entry
