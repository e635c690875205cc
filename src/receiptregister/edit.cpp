// The register's Edit command: the stored receipt of the current row shown read-only in the entry window.
#include "frmmaster.h"
#include "shared/registergrid.h"

#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "shared/reporterror.h"

namespace receiptregister {

using shared::session;

namespace {

QString shopText() {
    return QString::number(session().shopId);
}

void fillText(forms::TextBox& box, const ado::Recordset& rs, const char* field) {
    box.setText(core::toText(rs.field(QLatin1String(field))));
}

// The customer goes first: choosing one clears every other entry field.
void showStoredParties(entry::frmReceiptShop& entry, const ado::Recordset& rs) {
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
void showStoredRates(entry::frmReceiptShop& entry, const ado::Recordset& rs) {
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
void lockStoredReceipt(entry::frmReceiptShop& entry) {
    for (forms::Control* control :
         std::initializer_list<forms::Control*>{&entry.cboCustomer, &entry.txtRemarks, &entry.txtBank,
                                                &entry.txtchequeno, &entry.dtpChequeDate, &entry.cmdok})
        control->setEnabled(false);
}

} // namespace

void FrmMaster::CmdEdit_Click() {
    shared::trapped(name(), QStringLiteral("CmdEdit_Click "), [this] {
        shared::Session& s = session();
        s.EntryMode = QStringLiteral("E");
        s.userAuditing->LoggedTime = QDateTime::currentDateTime();
        entry::frmReceiptShop& entry = entryWindow();
        entry.setAdocon(connection);
        const QString receiptId = flexMaster.textMatrix(flexMaster.row(), shared::gridcol::ReceiptId);
        ado::Recordset rs;
        rs.open(QStringLiteral("select * from LOsDummyReceiptHeader where ") + QStringLiteral(" drshopid=") +
                    shopText() + QStringLiteral(" and drid = '") + receiptId + QStringLiteral("'"),
                connection);
        // The window's own load fills the customers and currencies the stored values are chosen from.
        entry.load();
        showStoredParties(entry, rs);
        showStoredRates(entry, rs);
        rs.close();
        if (hasSettledDocuments(receiptId)) {
            entry.OptSettlement.setValue(true);
            DisplayDetails();
        } else {
            entry.optadvance.setValue(true);
        }
        lockStoredReceipt(entry);
        entry.showModal(this);
    });
}

} // namespace receiptregister
