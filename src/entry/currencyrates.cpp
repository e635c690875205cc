// The entry window's received currency, its bank, company and department rates, and the rate fields' help.
#include "frmreceiptshop.h"
#include "invoicelists.h"

#include "platform/core/conversions.h"
#include "platform/forms/userinput.h"
#include "shared/exchangerates.h"
#include "shared/formhelpers.h"
#include "shared/reporterror.h"
#include "shared/session.h"

#include <cmath>

namespace entry {

using shared::session;
using shared::trapped;

namespace {

const QString TipFormat = QStringLiteral("###,###,##0.00######");
const QString LetterCurrency = QStringLiteral("M");
const QString LetterInventory = QStringLiteral("I");
const QString LetterCustomer = QStringLiteral("C");
constexpr int RateDigits = 28;
constexpr int RateDecimals = 8;

void selectWholeText(forms::TextBox& box) {
    box.setSelStart(0);
    box.setSelLength(int(box.text().size()));
}

} // namespace

void frmReceiptShop::wireRateEvents() {
    cboCurrency.Click = [this] { cboCurrency_Click(); };
    txtExchangeRate.Change = [this] { txtExchangeRate_Change(); };
    txtExchangeRate.KeyPress = [this](int& keyAscii) {
        if (keyAscii == forms::keys::Enter) {
            shared::SendTabOnEnter(keyAscii);
            return;
        }
        session().commonGen->textvalidatenum(txtExchangeRate, keyAscii, RateDigits, RateDecimals);
    };
    for (forms::TextBox* box : {&txtExchangeRate, &txtCompExchangeRate})
        box->GotFocus = [box] { selectWholeText(*box); };
    const std::pair<forms::TextBox*, const char*> tips[] = {
        {&txtAmount, "txtAmount_MouseMove"},
        {&txtCompExchangeRate, "txtCompExchangeRate_MouseMove"},
        {&txtExchangeRate, "txtExchangeRate_MouseMove"}};
    for (const auto& [box, procedure] : tips)
        box->MouseMove = [this, box, procedure = QString::fromLatin1(procedure)](int, int, float, float) {
            trapped(name(), procedure, [box] { box->setToolTipText(core::format(box->text(), TipFormat)); });
        };
}

void frmReceiptShop::cboCurrency_Click() {
    trapped(name(), QStringLiteral("cbocurrency_click"), [this] {
        receipt_.customerFactor.reset();
        receipt_.receivedCurrencyId.reset();
        if (cboCurrency.listIndex() == -1) return;
        shared::Session& s = session();
        const qint32 currencyId = receivedCurrencyId();
        receipt_.receivedCurrencyId = currencyId;
        const store::EntryLookups rates = entryLookups();
        // Each text set below runs the bank-rate handler at once, so the company and department
        // rates end up computed from the last bank rate written.
        txtExchangeRate.setText(QString());
        txtExchangeRate.setText(core::toText(rates.proposedRate(currencyId)));
        if (core::leadingNumber(txtExchangeRate.text()) == 0)
            txtExchangeRate.setText(shownAmount(Money::fromCents(100)));
        s.ExchangeRatesText = shared::AddPartyRate(s.ExchangeRatesText, LetterCurrency, currencyId);
        const QString symbol = core::toText(rates.symbol(currencyId));
        lblreceivedamount.setCaption(QStringLiteral("Recived Amount(") + symbol + QStringLiteral("):"));
        receipt_.customerFactor = factorBetween(currencyId, receipt_.customerCurrencyId);
        showEquivalent(true);
    });
}

// The customer's equivalent of the received amount as the receipt works it out, in the shortest general
// form or with two decimals; nothing for a received amount that is no plain amount.
void frmReceiptShop::showEquivalent(bool shortest) {
    const std::optional<Money> equivalent = receipt_.customerEquivalent();
    if (!equivalent) return txtCustEquAmount.setText(QString());
    txtCustEquAmount.setText(shortest ? equivalent->shortestText(core::regional().decimalPoint)
                                      : shownAmount(*equivalent));
}

void frmReceiptShop::txtExchangeRate_Change() {
    trapped(name(), QStringLiteral("txtExchangeRate_Change"), [this] {
        receipt_.bankRateText = txtExchangeRate.text();
        if (cboCurrency.listIndex() == -1) return;
        const store::EntryLookups rates = entryLookups();
        qint32 companyCurrency = rates.companyCurrency();
        qint32 cashGroup = rates.cashGroup();
        const qint32 selected = receivedCurrencyId();
        double bankRate = receipt_.bankRate();
        const auto inverse = [this](double& rate, qint32& currency) {
            return core::divide(1, ConvertExchangeRate(rate, currency));
        };
        double companyRate = 0;
        if (selected == cashGroup || selected == companyCurrency) {
            companyRate = inverse(bankRate, companyCurrency);
        } else {
            double cashGroupRate = ConvertExchangeRate(bankRate, cashGroup);
            companyRate = inverse(cashGroupRate, companyCurrency);
        }
        txtCompExchangeRate.setText(core::numberText(companyRate));
        qint32 departmentCurrency = rates.departmentCurrency();
        double departmentRate = 1;
        if (selected != departmentCurrency && selected != cashGroup) {
            double cashGroupRate = ConvertExchangeRate(bankRate, cashGroup);
            departmentRate = inverse(cashGroupRate, departmentCurrency);
        }
        txtdepcurrency.setText(core::numberText(departmentRate));
    });
}

Rate factorBetween(qint32 fromCurrency, qint32 toCurrency) {
    const shared::ConversionRates rates =
        shared::conversionRates(core::toInt16(fromCurrency), core::toInt16(toCurrency));
    return Rate::of(rates.to, rates.from);
}

double frmReceiptShop::ConvertExchangeRate(double& rate, qint32& currencyId) {
    double sellingRate = core::toDouble(entryLookups().sellingRate(currencyId));
    if (rate == 0) rate = 1;
    if (sellingRate == 0) sellingRate = 1;
    const double converted = core::divide(1, rate) * sellingRate;
    // Beyond the range of a double is an overflow, as a division's is; no field shows "inf".
    if (!std::isfinite(converted)) throw core::RuntimeError::of(core::err::Overflow);
    return converted;
}

// The rates are taken from the invoice's own stored list with the inventory currency's current rate
// added. That list is only borrowed: the session keeps its own, which later receipts store.
double frmReceiptShop::getInventoryCurrencyExRate() {
    const QString invoiceId =
        core::numberText(core::val(lvwInvoice.cell(lvwInvoice.selectedItem(), ShopListColumns.id)));
    const store::EntryLookups::InvoiceRates invoice = entryLookups().invoiceRates(invoiceId);
    const QString invoiceRates = shared::AddPartyRate(invoice.rates, LetterInventory, 1);
    const qint16 customerCurrency = shared::GetPartyCurrency(LetterCustomer, invoice.customerId);
    const qint16 inventoryCurrency = shared::GetPartyCurrency(LetterInventory, 1);
    return shared::GetConversionRate(invoiceRates, customerCurrency, inventoryCurrency);
}

} // namespace entry
