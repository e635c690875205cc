// What the entry window lists as still open on a customer's documents; its rows' tool tips and Preview.
#include "platform/forms/userinput.h"
#include "support/entrywindow.h"

namespace {

using testing_support::EntryControls;

// A kind of shop document: its view code, table and columns (shop, id, company, number, date, customer,
// amount), the columns head office and the shop's receipts name it by, and the kind text listed.
struct Kind {
    const char* code;
    const char* table;
    const char* columns;
    const char* headOffice;
    const char* receipt;
    const char* text;
};

const Kind Kinds[] = {
    {"PCI", "losinvoiceheader",
     "ihshopid, ihinvoiceid, ihcompanyid, ihinvoiceno, ihinvoicedate, ihcustomerid, ihnetamount",
     "posinvoiceid", "drdinvoiceid", "Sales Invoice"},
    {"PSI", "losaccountsinvoiceheader",
     "aishopid, aiinvoiceid, aicompanyid, aiinvoiceno, aiinvoicedate, aicustomerid, ainetamount",
     "Posserviceinvoiceid", "drdserviceinvoiceid", "Service Invoice"},
    {"PDI", "losspecialinvoiceheader",
     "ihshopid, ihinvoiceid, ihcompanyid, ihinvoiceno, ihinvoicedate, ihcustomerid, ihnetamount",
     "posspinvoiceid", "drdsplinvoiceid", "Special Invoice"},
    {"RBI", "losApartmentBillHeader",
     "abhshopid, abhBillID, abhcompanyid, abhBillNo, abhBillDate, abhcustomerid, abhnetamount", "RoomBillID",
     "drdRoomBillID", "Room Bill"},
    {"UTB", "losTenantServiceBillHeader",
     "tbhshopid, tbhBillID, tbhcompanyid, tbhBillNo, tbhBillDate, tbhcustomerid, tbhnetamount",
     "UtilityBillID", "drdUtilityBillID", "Utility Bill"},
    {"SBI", "losserviceinvheader",
     "serinvhshopid, serinvhid, serinvhcompanyid, serinvno, serinvhdate, serinvhcustomerid, serinvhnetamount",
     "Posserviceinvoiceid", "drdbookserinvoiceid", "Book Service Invoice"},
    {"FINE", "afineheader", "fhshopid, fhfineid, fhcompanyid, fhfineno, fhfinedate, fhcustomerid, fhamount",
     "fineid", "drdfineid", "Fine"},
    {"fandb", "losPosFandBHeader",
     "poshShopID, poshBillID, poshCompanyID, poshBillNo, poshBillDate, poshCustomerID, poshNetAmount",
     "fandbInvoiceID", "drdfandbInvoiceID", "FandB"},
};

// A document of 1 March 2024 numbered "<code>-<id>".
QString document(const Kind& kind, int id, double amount) {
    return filled("insert into %1 (%2) values (1, %3, 1, '%4-%3', '20240301', 1, %5)", kind.table,
                  kind.columns, id, kind.code, amount);
}

// The rows a case starts from, each written "<what> <values...> [name=value or flag...]", or as a
// statement. The values fill the named places in order; what is not given is shop 1, customer 1, live,
// nothing taken over (by a head-office voucher, of the shop receipt it names), the shop's department.
const QMap<QString, QPair<QStringList, QStringList>> Rows = {
    {"sale",
     {{"id", "amount"},
      {"insert into losinvoiceheader (ihshopid, ihinvoiceid, ihcompanyid, ihinvoiceno, ihinvoicedate, "
       "ihcustomerid, ihnetamount, ihcancelled) values ({shop}, {id}, 1, 'PCI-{id}', '20240301', "
       "{customer}, {amount}, {cancelled})"}}},
    {"note",
     {{"id", "type", "amount"},
      {"insert into losdebitcreditnote (dcnshopid, dcnid, dcncompanyid, dcntype, dcnno, dcndate, "
       "dcncustomerid, dcnamount) values (1, {id}, 1, '{type}', 'DN-{id}', '20240301', 1, {amount})"}}},
    {"receipt",
     {{"id", "column", "document", "amount"},
      {"insert into LosDummyReceiptHeader (drShopid, drID, drCompanyID, drcustomerid, drCancelled) values "
       "({shop}, {id}, 1, {customer}, {cancelled})",
       "insert into LosDummyReceiptDetail (drdshopid, drdid, drdDetailid, drdCompanyid, {column}, "
       "drdsettledamount) values ({shop}, {id}, 1, 1, {document}, {amount})"}}},
    {"voucher",
     {{"id", "column", "document", "amount"},
      {"insert into receiptvoucherheader (companyid, receiptid, CustomerID, dummyreceiptid, cancelled) "
       "values (1, {id}, {customer}, {takesOver}, {cancelled})",
       "insert into receiptvoucherdetails (companyid, receiptid, voucherline, shopid, amountreceived, "
       "{column}) values (1, {id}, 1, {shop}, {amount}, {document})"}}},
    {"settlement",
     {{"id", "column", "document", "amount"},
      {"insert into customersettlementheader (CompanyID, CSID, customerid, cancelled) values (1, {id}, "
       "{customer}, {cancelled})",
       "insert into customersettlementdetail (CompanyID, CSID, settlementline, shopid, settlementamount, "
       "{column}) values (1, {id}, 1, {shop}, {amount}, {document})"}}},
    {"opening",
     {{"id"},
      {"insert into AccountsInvoiceHeader (companyid, invoiceid, invoiceno, invoicedate, customerid, "
       "departmentid, FinancialID, discount, dueperiod, Referenceno, cancelled, proforma, cashinvoice) "
       "values (1, {id}, 'OI-{id}', '20231015', {customer}, {department}, {year}, {discount}, 30, "
       "'REF-{id}', {cancelled}, {proforma}, {cash})"}}},
    {"line",
     {{"invoice", "line", "quantity", "amount"},
      {"insert into serviceinvoicedetails (companyid, invoiceid, serviceline, serviceqty, amount) values "
       "(1, {invoice}, {line}, {quantity}, {amount})"}}}};

QStringList statementsOf(const QString& row) {
    const QStringList words = row.split(' ');
    if (!Rows.contains(words[0])) return {row};
    const auto& [names, statements] = Rows[words[0]];
    QMap<QString, QString> values = {{"shop", "1"},      {"customer", "1"}, {"cancelled", "0"},
                                     {"takesOver", "0"}, {"year", "0"},     {"discount", "0"},
                                     {"proforma", "0"},  {"cash", "0"},     {"department", "1"}};
    for (int i = 1; i < words.size(); ++i)
        if (i <= names.size())
            values[names[i - 1]] = words[i];
        else
            values[words[i].section('=', 0, 0)] = words[i].contains('=') ? words[i].section('=', 1) : "1";
    QStringList filledIn = statements;
    for (QString& statement : filledIn)
        for (auto value = values.cbegin(); value != values.cend(); ++value)
            statement.replace("{" + value.key() + "}", value.value());
    return filledIn;
}

// The cells of every item, joined with "|".
QStringList rows(const forms::ListView& list) {
    QStringList rows;
    for (int item = 1; item <= list.count(); ++item) {
        QStringList cells;
        for (int column = 0; column < list.columnCount(); ++column)
            cells << list.cell(item, column);
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

struct BalanceCase {
    std::string name;
    QStringList setup;
    QStringList shopRows;
    QStringList openingRows = {};
    size_t errors = 0;
};

QString salesRow(int number, int id, const char* amount) {
    return filled("%1|Sales Invoice|PCI-%2|01/03/2024|%3|0.00|%2|", number, id, amount);
}
QString openingRow(int number, int id, const char* amount) {
    return filled("%1|Opening Invoice|OI-%2|REF-%2|15/10/2023|%3|0.00|%2", number, id, amount);
}

std::vector<BalanceCase> balanceCases() {
    std::vector<BalanceCase> cases = {
        {"onlyLiveReceiptsOfTheShopAndDocumentCountUnlessALiveVoucherOfItTookThemOver",
         {"sale 7 100", "receipt 1 drdinvoiceid 7 20", "receipt 2 drdinvoiceid 7 20 shop=2",
          "receipt 3 drdinvoiceid 8 20", "receipt 4 drdsplinvoiceid 7 20",
          "voucher 1 posinvoiceid 7 0 takesOver=1 cancelled", "voucher 2 posinvoiceid 7 0 takesOver=1 shop=2",
          "voucher 3 posinvoiceid 8 0 takesOver=1", "voucher 4 posspinvoiceid 7 0 takesOver=1"},
         {salesRow(1, 7, "80.00")}},
        {"cancelledHeadOfficePaymentsAndThoseOfAnotherShopOrKindDoNotCount",
         {"sale 7 100", "voucher 1 posinvoiceid 7 10 cancelled", "voucher 2 posinvoiceid 7 10 shop=2",
          "voucher 3 posspinvoiceid 7 15", "settlement 1 posinvoiceid 7 30 cancelled",
          "settlement 2 RoomBillID 7 5"},
         {salesRow(1, 7, "100.00")}},
        // 15: paid in full, but for the binary residue of 1.1 - (0.15 + 0.95).
        {"documentsPaidCancelledOrOfOthersAreNotListedAndTakeNoNumber",
         {"sale 7 100", "settlement 1 posinvoiceid 7 100", "sale 8 80 cancelled", "sale 9 60 customer=2",
          "sale 10 40 shop=2", "sale 11 60", "receipt 1 drdinvoiceid 11 60", "sale 12 100",
          "receipt 2 drdinvoiceid 12 120", "sale 13 30", "sale 14 20", "sale 15 1.1",
          "receipt 3 drdinvoiceid 15 0.15", "receipt 4 drdinvoiceid 15 0.95"},
         {salesRow(1, 13, "30.00"), salesRow(2, 14, "20.00")}},
        {"returnsPaymentsAndHeadOfficeNotesAreNeverListedOtherNotesAreWithoutKind",
         {"sale 3 25", "update losinvoiceheader set ihtype = 'R'", "note 10 PAYMENT 40", "note 11 HQI 40",
          "note 12 SDEBIT 40", "note 13 HDEBIT 40", "note 14 DCN 45"},
         {"1||DN-14|01/03/2024|45.00|0.00|14|"}},
        {"onlyLowerCaseFandbIsAFoodBillOtherCodesFindReceiptsThroughEveryColumn",
         {document(Kinds[7], 7, 100), "note 8 FandB 100", "receipt 1 drdfandbInvoiceID 7 10",
          "receipt 2 drddcnid 7 5", "receipt 3 drddcnid 8 20", "receipt 4 drdfandbInvoiceID 8 7"},
         {"1|FandB|fandb-7|01/03/2024|90.00|0.00|7|", "2||DN-8|01/03/2024|80.00|0.00|8|"}},
        {"aReceiptAVoucherTookOverIsNotCountedForAnotherCodeEither",
         {"note 8 DCN 100", "receipt 1 drddcnid 8 20", "voucher 1 losdcnid 8 0 takesOver=1"},
         {"1||DN-8|01/03/2024|100.00|0.00|8|"}},
        {"onlySalesInvoicesBringRemarksAndDatesShowATimeOnlyWhenTheyHaveOne",
         {"sale 7 1234.5", document(Kinds[2], 8, 66.666),
          "update losinvoiceheader set ihRemarks = 'Delivered', ihinvoicedate = '2024-03-01 10:30:00'",
          "update losspecialinvoiceheader set ihRemarks = 'Special order'"},
         {"1|Sales Invoice|PCI-7|01/03/2024 10:30:00|1234.50|0.00|7|Delivered",
          "2|Special Invoice|PDI-8|01/03/2024|66.67|0.00|8|"}},
        // 11: 3 x 40 less 20 discount, 50 received by head office and 30 settled. 12: settled. 13: no lines.
        {"openingBalanceIsLinesLessDiscountAndPaymentsAndPaidInvoicesTakeNoNumber",
         {"sale 7 100", "sale 8 100", "opening 11 discount=20", "line 11 1 3 40",
          "voucher 1 hqaccountsinvoiceid 11 50", "settlement 1 ACCinvoiceid 11 30", "opening 12",
          "line 12 1 1 50", "settlement 2 ACCinvoiceid 12 50", "opening 13", "opening 14", "line 14 1 1 70"},
         {salesRow(1, 7, "100.00"), salesRow(2, 8, "100.00")},
         {openingRow(1, 11, "20.00"), openingRow(2, 14, "70.00")}},
        // Lines of 60 and 2 x 20: only the live receipt of 10 of this shop counts.
        {"onOpeningInvoicesLiveReceiptsCountButNoCancelledOrOtherCustomersPayment",
         {"opening 11", "line 11 1 1 60", "line 11 2 2 20", "receipt 1 drdaccinvoiceid 11 10",
          "receipt 2 drdaccinvoiceid 11 7", "voucher 1 hqaccountsinvoiceid 11 0 takesOver=2 shop=2",
          "receipt 3 drdaccinvoiceid 11 9 cancelled", "receipt 4 drdaccinvoiceid 11 11 shop=2",
          "voucher 2 hqaccountsinvoiceid 11 10 customer=2", "voucher 3 hqaccountsinvoiceid 11 20 cancelled",
          "settlement 1 ACCinvoiceid 11 30 cancelled"},
         {},
         {openingRow(1, 11, "90.00")}},
        {"onlyLiveCreditOpeningInvoicesOfTheCustomerInTheShopsDepartmentAreListed",
         {"opening 1 customer=2", "opening 2 cancelled", "opening 3 proforma", "opening 4 cash",
          "opening 5 department=2", "opening 6 year=1", "opening 7 discount=null", "line 1 1 1 25",
          "line 2 1 1 25", "line 3 1 1 25", "line 4 1 1 25", "line 5 1 1 25", "line 6 1 1 25",
          "line 7 1 1 25"},
         {},
         {openingRow(1, 7, "25.00")}},
        // A failing statement is reported and ends the listing; the shop list's failure ends the opening's.
        {"aFailingDocumentStatementLeavesTheEarlierRowsListed",
         {"sale 1 10", "sale 2 30", "update losinvoiceheader set ihinvoiceid = 'x9' where ihinvoiceid = 2",
          "opening 11", "line 11 1 1 50"},
         {salesRow(1, 1, "10.00")},
         {},
         1},
        {"aFailingOpeningInvoiceStatementLeavesTheEarlierRowsListed",
         {"opening 11", "line 11 1 1 50", "opening 12",
          "update AccountsInvoiceHeader set invoiceid = 'x9' where invoiceid = 12"},
         {},
         {openingRow(1, 11, "50.00")},
         1},
        {"theListsFailWithoutTheView", {"sale 1 10", "drop view vwTotalInvoiceReceiptAmount"}, {}, {}, 1},
    };
    // Of every kind head office's vouchers (25, and 15 taking a shop receipt over) and settlement (5) and
    // the shop's live receipt (20) are taken off; the receipt taken over and the cancelled receipt, voucher
    // and settlement are not.
    for (const Kind& kind : Kinds)
        cases.push_back(
            {std::string("every") + kind.code + "IsListedWithItsKindLessWhatEachPaymentTook",
             {document(kind, 7, 100), filled("voucher 1 %1 7 25", kind.headOffice),
              filled("settlement 1 %1 7 5", kind.headOffice), filled("receipt 1 %1 7 20", kind.receipt),
              filled("receipt 2 %1 7 15", kind.receipt),
              filled("voucher 2 %1 7 15 takesOver=2", kind.headOffice),
              filled("receipt 3 %1 7 9 cancelled", kind.receipt),
              filled("voucher 3 %1 7 13 cancelled", kind.headOffice),
              filled("settlement 2 %1 7 11 cancelled", kind.headOffice)},
             {filled("1|%1|%2-7|01/03/2024|35.00|0.00|7|", kind.text, kind.code)}});
    return cases;
}

class Balance : public testing_support::EntryWindowTest, public ::testing::WithParamInterface<size_t> {};

TEST_P(Balance, choosingTheCustomerListsWhatIsStillOpen) {
    const BalanceCase c = balanceCases()[GetParam()];
    for (const QString& row : c.setup)
        for (const QString& statement : statementsOf(row))
            sql(statement);
    inEntry([&](EntryControls& entry) {
        pick(entry.cboCustomer, "Abc Ltd");
        EXPECT_EQ(rows(entry.lvwInvoice), c.shopRows);
        EXPECT_EQ(rows(entry.lvwOpeningInvoices), c.openingRows);
    });
    EXPECT_EQ(ui.errors.size(), c.errors);
    for (const auto& error : ui.errors)
        EXPECT_EQ(error.procedureName, "cboCustomer_Click ") << error.description.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, Balance, ::testing::Range<size_t>(0, balanceCases().size()),
                         [](const auto& row) { return balanceCases()[row.param].name; });

// A clicked row shows its kind, number, date, balance and settlement as tool tips, amounts with thousands.
// A right-click pops up the menu, Preview on (1) or off (0) by the row's kind, as it was for other kinds.
using ShopList = testing_support::EntryWindowTest;

TEST_F(ShopList, rowsShowToolTipsAndOfferPreviewByTheirKind) {
    for (int id = 1; id <= 8; ++id)
        sql(document(Kinds[id - 1], id, 1250.5));
    int popups = 0;
    ui.backend.onPopup = [&](forms::Form&, forms::Menu& menu) { popups += menu.name() == "mnuPopup"; };
    const std::pair<int, bool> clicks[] = {{4, 0}, {1, 1}, {7, 1}, {5, 0}, {8, 0}, {2, 1}, {6, 0}, {3, 1}};
    inEntry([&](EntryControls& entry) {
        pick(entry.cboCustomer, "Abc Ltd");
        for (const auto& [item, preview] : clicks) {
            forms::user::rightClickItem(entry.lvwInvoice, item);
            EXPECT_EQ(entry.mnuPreview.enabled(), preview) << Kinds[item - 1].text;
        }
        forms::user::clickItem(entry.lvwInvoice, 2);
        QStringList tips; // the eight cells of the rows 1 and 2
        for (int cell = 8; cell < 24; ++cell)
            tips << entry.lvwInvoice.cellToolTip(cell / 8, cell % 8);
        EXPECT_EQ(tips.join('|'), "|||||||||Service Invoice|PSI-2|01/03/2024|1,250.50|0.00||");
    });
    EXPECT_EQ(popups, 8);
}

} // namespace
