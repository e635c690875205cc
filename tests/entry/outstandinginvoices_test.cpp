// Listing a customer's outstanding shop documents and opening invoices in the entry window.
#include "entry/frmreceiptshop.h"
#include "module/session.h"
#include "platform/core/runtimeerror.h"
#include "support/recordingbackend.h"
#include "support/testdatabase.h"

#include <gtest/gtest.h>

namespace {

constexpr int Shop = 1;
constexpr int OtherShop = 2;
constexpr int Company = 1;
constexpr int Customer = 5;
constexpr int OtherCustomer = 6;
constexpr int Department = 3;

// A shop document kind as the tests write it: its view code, source table with the columns (shop, id,
// company, number, date, customer, amount), and what the entry list should make of it.
struct DocumentKind {
    const char* code;
    const char* table;
    const char* columns;
    const char* kindText;
    const char* receiptColumn;
    const char* voucherColumn;
};

const DocumentKind Sales = {
    "PCI",
    "losinvoiceheader",
    "ihshopid, ihinvoiceid, ihcompanyid, ihinvoiceno, ihinvoicedate, ihcustomerid, ihnetamount",
    "Sales Invoice",
    "drdinvoiceid",
    "posinvoiceid"};

const DocumentKind EveryKind[] = {
    Sales,
    {"PSI", "losaccountsinvoiceheader",
     "aishopid, aiinvoiceid, aicompanyid, aiinvoiceno, aiinvoicedate, aicustomerid, ainetamount",
     "Service Invoice", "drdserviceinvoiceid", "Posserviceinvoiceid"},
    {"PDI", "losspecialinvoiceheader",
     "ihshopid, ihinvoiceid, ihcompanyid, ihinvoiceno, ihinvoicedate, ihcustomerid, ihnetamount",
     "Special Invoice", "drdsplinvoiceid", "posspinvoiceid"},
    {"RBI", "losApartmentBillHeader",
     "abhshopid, abhBillID, abhcompanyid, abhBillNo, abhBillDate, abhcustomerid, abhnetamount", "Room Bill",
     "drdRoomBillID", "RoomBillID"},
    {"UTB", "losTenantServiceBillHeader",
     "tbhshopid, tbhBillID, tbhcompanyid, tbhBillNo, tbhBillDate, tbhcustomerid, tbhnetamount",
     "Utility Bill", "drdUtilityBillID", "UtilityBillID"},
    {"SBI", "losserviceinvheader",
     "serinvhshopid, serinvhid, serinvhcompanyid, serinvno, serinvhdate, serinvhcustomerid, serinvhnetamount",
     "Book Service Invoice", "drdbookserinvoiceid", "Posserviceinvoiceid"},
    {"FINE", "afineheader", "fhshopid, fhfineid, fhcompanyid, fhfineno, fhfinedate, fhcustomerid, fhamount",
     "Fine", "drdfineid", "fineid"},
    {"fandb", "losPosFandBHeader",
     "poshShopID, poshBillID, poshCompanyID, poshBillNo, poshBillDate, poshCustomerID, poshNetAmount",
     "FandB", "drdfandbInvoiceID", "fandbInvoiceID"},
};

class OutstandingInvoicesTest : public ::testing::Test {
protected:
    void SetUp() override {
        module::Session& s = module::session();
        s = module::Session();
        s.companyId = Company;
        s.shopId = Shop;
        s.processDate = QDateTime(QDate(2026, 11, 20), QTime(0, 0));
        s.commonDb = suite::Factory::create<suite::ClsCommonDb>(suite::progid::CommonDb);
        s.commonDb->adocon = database.connection();
        execute(QString("insert into ashops (shopid, companyid, departmentid) values (%1, %2, %3)")
                    .arg(Shop)
                    .arg(Company)
                    .arg(Department));
        window.setAdocon(database.connection());
        // Only the loaders are under test: choosing the customer must not run the whole customer change.
        window.cboCustomer.Click = nullptr;
        window.cboCustomer.addItem(QStringLiteral("Hawwa--->Rufiyaa"));
        window.cboCustomer.setItemData(0, OtherCustomer);
        window.cboCustomer.addItem(QStringLiteral("Ali--->Rufiyaa"));
        window.cboCustomer.setItemData(1, Customer);
        window.cboCustomer.setListIndex(1);
    }
    void TearDown() override { module::session() = module::Session(); }

    void execute(const QString& sql) const { database.execute(sql); }

    void addDocument(const DocumentKind& kind, QVariant id, double amount, int customer = Customer,
                     const QString& date = QStringLiteral("2026-11-01 10:30:00.000")) const {
        const QString idText = id.typeId() == QMetaType::QString ? "'" + id.toString() + "'" : id.toString();
        execute(QString("insert into %1 (%2) values (%3, %4, %5, '%6-%7', '%8', %9, %10)")
                    .arg(kind.table, kind.columns)
                    .arg(Shop)
                    .arg(idText)
                    .arg(Company)
                    .arg(kind.code, id.toString(), date)
                    .arg(customer)
                    .arg(amount));
    }
    void addNote(int id, const QString& type, double amount) const {
        execute(
            QString(
                "insert into losdebitcreditnote (dcnshopid, dcnid, dcncompanyid, dcntype, dcnno, dcndate, "
                "dcncustomerid, dcnamount) values (%1, %2, %3, '%4', 'DN-%2', '2026-11-02 00:00:00.000', %5, "
                "%6)")
                .arg(Shop)
                .arg(id)
                .arg(Company)
                .arg(type)
                .arg(Customer)
                .arg(amount));
    }
    // A customer settlement of head office, which the view counts as settled.
    void addSettlement(int id, const QString& column, int document, double amount,
                       bool cancelled = false) const {
        execute(QString("insert into customersettlementheader (CompanyID, CSID, customerid, cancelled) "
                        "values (%1, %2, "
                        "%3, %4)")
                    .arg(Company)
                    .arg(id)
                    .arg(Customer)
                    .arg(int(cancelled)));
        execute(QString("insert into customersettlementdetail (CompanyID, CSID, settlementline, shopid, "
                        "settlementamount, %1) values (%2, %3, 1, %4, %5, %6)")
                    .arg(column)
                    .arg(Company)
                    .arg(id)
                    .arg(Shop)
                    .arg(amount)
                    .arg(document));
    }
    void addReceipt(int id, const QString& column, int document, double settled, bool cancelled = false,
                    int shop = Shop) const {
        execute(
            QString(
                "insert into LosDummyReceiptHeader (drShopid, drID, drCompanyID, drcustomerid, drCancelled) "
                "values (%1, %2, %3, %4, %5)")
                .arg(shop)
                .arg(id)
                .arg(Company)
                .arg(Customer)
                .arg(int(cancelled)));
        execute(QString("insert into LosDummyReceiptDetail (drdshopid, drdid, drdDetailid, drdCompanyid, %1, "
                        "drdsettledamount) values (%2, %3, 1, %4, %5, %6)")
                    .arg(column)
                    .arg(shop)
                    .arg(id)
                    .arg(Company)
                    .arg(document)
                    .arg(settled));
    }
    struct Voucher {
        int dummyReceipt = 0;
        double amount = 0; // nothing received keeps the view's settled amount as it was
        int shop = Shop;
        int customer = Customer;
        bool cancelled = false;
    };
    void addVoucher(int id, const QString& column, int document, const Voucher& voucher) const {
        execute(QString("insert into receiptvoucherheader (companyid, receiptid, CustomerID, dummyreceiptid, "
                        "cancelled) values (%1, %2, %3, %4, %5)")
                    .arg(Company)
                    .arg(id)
                    .arg(voucher.customer)
                    .arg(voucher.dummyReceipt)
                    .arg(int(voucher.cancelled)));
        execute(QString("insert into receiptvoucherdetails (companyid, receiptid, voucherline, shopid, "
                        "amountreceived, "
                        "%1) values (%2, %3, 1, %4, %5, %6)")
                    .arg(column)
                    .arg(Company)
                    .arg(id)
                    .arg(voucher.shop)
                    .arg(voucher.amount)
                    .arg(document));
    }

    static QStringList row(const forms::ListView& list, int item) {
        QStringList cells;
        for (int column = 0; column < list.columnCount(); ++column)
            cells << list.cell(item, column);
        return cells;
    }
    // The texts of one column of every row.
    static QStringList column(const forms::ListView& list, int index) {
        QStringList cells;
        for (int item = 1; item <= list.count(); ++item)
            cells << list.cell(item, index);
        return cells;
    }
    QStringList shopAmounts() {
        window.LoadShopInvoices();
        return column(window.lvwInvoice, 4);
    }

    testing_support::TestDatabase database;
    testing_support::RecordingBackend ui;
    receipts::frmReceiptShop window;
};

TEST_F(OutstandingInvoicesTest, salesInvoiceShowsWhatTheViewAndLiveReceiptsLeaveOpen) {
    addDocument(Sales, 7, 100);
    execute("update losinvoiceheader set ihRemarks = 'Delivered' where ihinvoiceid = 7");
    addSettlement(1, "posinvoiceid", 7, 30);
    addReceipt(1, "drdinvoiceid", 7, 20);
    window.LoadShopInvoices();
    ASSERT_EQ(window.lvwInvoice.count(), 1);
    EXPECT_EQ(row(window.lvwInvoice, 1), (QStringList{"1", "Sales Invoice", "PCI-7", "01/11/2026 10:30:00",
                                                      "50.00", "0.00", "7", "Delivered"}));
}

TEST_F(OutstandingInvoicesTest, cancelledReceiptGivesItsAmountBack) {
    addDocument(Sales, 7, 100);
    addSettlement(1, "posinvoiceid", 7, 30);
    addReceipt(1, "drdinvoiceid", 7, 20, true);
    EXPECT_EQ(shopAmounts(), QStringList{"70.00"});
}

TEST_F(OutstandingInvoicesTest, receiptTakenOverByAHeadOfficeVoucherIsNotCountedAgain) {
    addDocument(Sales, 7, 100);
    addSettlement(1, "posinvoiceid", 7, 30);
    addReceipt(1, "drdinvoiceid", 7, 20);
    addVoucher(1, "posinvoiceid", 7, {.dummyReceipt = 1});
    EXPECT_EQ(shopAmounts(), QStringList{"70.00"});
}

TEST_F(OutstandingInvoicesTest, vouchersThatDoNotTakeOverTheReceiptLeaveItCounted) {
    addDocument(Sales, 7, 100);
    addSettlement(1, "posinvoiceid", 7, 30);
    addReceipt(1, "drdinvoiceid", 7, 20);
    addVoucher(1, "posinvoiceid", 7, {.dummyReceipt = 1, .cancelled = true});
    addVoucher(2, "posinvoiceid", 7, {.dummyReceipt = 1, .shop = OtherShop});
    addVoucher(3, "posinvoiceid", 8, {.dummyReceipt = 1});
    addVoucher(4, "posspinvoiceid", 7, {.dummyReceipt = 1});
    EXPECT_EQ(shopAmounts(), QStringList{"50.00"});
}

TEST_F(OutstandingInvoicesTest, receiptsOfAnotherShopOrDocumentDoNotCount) {
    addDocument(Sales, 7, 100);
    addReceipt(1, "drdinvoiceid", 7, 20, false, OtherShop);
    addReceipt(2, "drdinvoiceid", 8, 20);
    addReceipt(3, "drdsplinvoiceid", 7, 20);
    EXPECT_EQ(shopAmounts(), QStringList{"100.00"});
}

class OutstandingKindTest : public OutstandingInvoicesTest,
                            public ::testing::WithParamInterface<DocumentKind> {};

TEST_P(OutstandingKindTest, documentShowsItsKindTextLessLiveReceiptsOfItsColumns) {
    const DocumentKind& kind = GetParam();
    addDocument(kind, 7, 100);
    addReceipt(1, kind.receiptColumn, 7, 20);
    addReceipt(2, kind.receiptColumn, 7, 15);
    addVoucher(1, kind.voucherColumn, 7, {.dummyReceipt = 2});
    window.LoadShopInvoices();
    ASSERT_EQ(window.lvwInvoice.count(), 1);
    EXPECT_EQ(window.lvwInvoice.cell(1, 1), kind.kindText);
    EXPECT_EQ(window.lvwInvoice.cell(1, 4), "80.00");
}

INSTANTIATE_TEST_SUITE_P(EveryKind, OutstandingKindTest, ::testing::ValuesIn(EveryKind),
                         [](const auto& info) { return std::string(info.param.code); });

TEST_F(OutstandingInvoicesTest, onlyLowerCaseFandbIsAFoodBillOtherCodesMatchThroughEveryColumn) {
    addDocument(EveryKind[7], 7, 100);
    addNote(8, "FandB", 100);
    addReceipt(1, "drdfandbInvoiceID", 7, 10);
    addReceipt(2, "drddcnid", 7, 5);
    addReceipt(3, "drddcnid", 8, 20);
    addReceipt(4, "drdfandbInvoiceID", 8, 7);
    window.LoadShopInvoices();
    EXPECT_EQ(column(window.lvwInvoice, 1), (QStringList{"FandB", ""}));
    EXPECT_EQ(column(window.lvwInvoice, 4), (QStringList{"90.00", "80.00"}));
    EXPECT_EQ(column(window.lvwInvoice, 6), (QStringList{"7", "8"}));
}

TEST_F(OutstandingInvoicesTest, otherCodeReceiptNamedByAVoucherThroughAnyColumnIsNotCounted) {
    addNote(8, "DCN", 100);
    addReceipt(1, "drddcnid", 8, 20);
    addVoucher(1, "losdcnid", 8, {.dummyReceipt = 1});
    EXPECT_EQ(shopAmounts(), QStringList{"100.00"});
}

TEST_F(OutstandingInvoicesTest, returnsPaymentsAndHeadOfficeCodesAreNeverListedOtherNotesAre) {
    execute("insert into losinvoiceheader (ihshopid, ihinvoiceid, ihcompanyid, ihtype, ihcustomerid, "
            "ihnetamount) "
            "values (1, 3, 1, 'R', 5, 25)");
    int id = 10;
    for (const char* type : {"PAYMENT", "HQI", "SDEBIT", "HDEBIT"})
        addNote(id++, type, 40);
    addNote(id, "DCN", 45);
    EXPECT_EQ(shopAmounts(), QStringList{"45.00"});
}

TEST_F(OutstandingInvoicesTest, runningNumbersSkipNothingWhenDocumentsAreSkipped) {
    for (int id = 1; id <= 4; ++id)
        addDocument(Sales, id, 100);
    addReceipt(1, "drdinvoiceid", 1, 100);
    addReceipt(2, "drdinvoiceid", 3, 150);
    window.LoadShopInvoices();
    EXPECT_EQ(column(window.lvwInvoice, 0), (QStringList{"1", "2"}));
    EXPECT_EQ(column(window.lvwInvoice, 6), (QStringList{"2", "4"}));
}

TEST_F(OutstandingInvoicesTest, onlySalesInvoicesBringRemarksAndDatesShowTheirTimeOnlyWhenTheyHaveOne) {
    addDocument(Sales, 7, 1234.5, Customer, "2026-03-05 00:00:00.000");
    addDocument(EveryKind[2], 7, 66.666);
    execute("update losinvoiceheader set ihRemarks = 'Delivered'");
    execute("update losspecialinvoiceheader set ihRemarks = 'Special'");
    window.LoadShopInvoices();
    ASSERT_EQ(window.lvwInvoice.count(), 2);
    const int sales = window.lvwInvoice.cell(1, 1) == "Sales Invoice" ? 1 : 2;
    EXPECT_EQ(row(window.lvwInvoice, sales),
              (QStringList{QString::number(sales), "Sales Invoice", "PCI-7", "05/03/2026", "1234.50", "0.00",
                           "7", "Delivered"}));
    EXPECT_EQ(row(window.lvwInvoice, 3 - sales),
              (QStringList{QString::number(3 - sales), "Special Invoice", "PDI-7", "01/11/2026 10:30:00",
                           "66.67", "0.00", "7", ""}));
}

TEST_F(OutstandingInvoicesTest, documentsOfTheSelectedCustomerOnlyAreListed) {
    addDocument(Sales, 7, 100, OtherCustomer);
    addDocument(Sales, 8, 60);
    EXPECT_EQ(shopAmounts(), QStringList{"60.00"});
}

TEST_F(OutstandingInvoicesTest, failingStatementStopsTheListKeepingTheRowsSoFar) {
    addDocument(Sales, 1, 10);
    addDocument(Sales, 2, 20);
    // A document id that is no number makes its receipts statement fail; text ids sort after numbers.
    addDocument(EveryKind[2], QStringLiteral("x9"), 30);
    addDocument(Sales, 3, 40);
    try {
        window.LoadShopInvoices();
        FAIL() << "the loader has no trap of its own";
    } catch (const rt::RuntimeError& error) {
        EXPECT_EQ(error.number(), rt::err::DbStatementRejected);
    }
    EXPECT_EQ(column(window.lvwInvoice, 4), (QStringList{"10.00", "20.00", "40.00"}));
}

TEST_F(OutstandingInvoicesTest, missingViewFailsBeforeAnyRow) {
    addDocument(Sales, 1, 10);
    execute("drop view vwTotalInvoiceReceiptAmount");
    EXPECT_THROW(window.LoadShopInvoices(), rt::RuntimeError);
    EXPECT_EQ(window.lvwInvoice.count(), 0);
}

class OpeningInvoicesTest : public OutstandingInvoicesTest {
protected:
    void addOpening(int id, double discount, int customer = Customer) const {
        execute(
            QString("insert into AccountsInvoiceHeader (companyid, invoiceid, invoiceno, invoicedate, "
                    "customerid, "
                    "departmentid, FinancialID, discount, dueperiod, Referenceno) values (%1, %2, 'OI-%2', "
                    "'2026-10-15 00:00:00.000', %3, %4, 0, %5, 30, 'REF-%2')")
                .arg(Company)
                .arg(id)
                .arg(customer)
                .arg(Department)
                .arg(discount));
    }
    void changeOpening(int id, const QString& assignment) const {
        execute(QString("update AccountsInvoiceHeader set %1 where invoiceid = %2").arg(assignment).arg(id));
    }
    void addServiceLine(int invoice, int line, double quantity, double amount) const {
        execute(
            QString(
                "insert into serviceinvoicedetails (companyid, invoiceid, serviceline, serviceqty, amount) "
                "values (%1, %2, %3, %4, %5)")
                .arg(Company)
                .arg(invoice)
                .arg(line)
                .arg(quantity)
                .arg(amount));
    }
    QStringList openingAmounts() {
        window.LoadOpeningInvoices();
        return column(window.lvwOpeningInvoices, 5);
    }
};

TEST_F(OpeningInvoicesTest, invoicePaidByHeadOfficeReceiptsAndSettlementsIsNotListed) {
    addOpening(11, 20);
    addServiceLine(11, 1, 3, 40);
    addVoucher(1, "hqaccountsinvoiceid", 11, {.amount = 50});
    addSettlement(1, "ACCinvoiceid", 11, 50);
    EXPECT_TRUE(openingAmounts().isEmpty());
}

TEST_F(OpeningInvoicesTest, balanceRowShowsTheInvoiceWithItsReference) {
    addOpening(11, 20);
    addServiceLine(11, 1, 3, 40);
    addVoucher(1, "hqaccountsinvoiceid", 11, {.amount = 50});
    addSettlement(1, "ACCinvoiceid", 11, 30);
    window.LoadOpeningInvoices();
    ASSERT_EQ(window.lvwOpeningInvoices.count(), 1);
    EXPECT_EQ(row(window.lvwOpeningInvoices, 1),
              (QStringList{"1", "Opening Invoice", "OI-11", "REF-11", "15/10/2026", "20.00", "0.00", "11"}));
}

TEST_F(OpeningInvoicesTest, liveShopReceiptsCountUnlessAVoucherOfTheInvoiceNamesThem) {
    addOpening(11, 0);
    addServiceLine(11, 1, 1, 60);
    addServiceLine(11, 2, 2, 20);
    addReceipt(1, "drdaccinvoiceid", 11, 10);
    addReceipt(2, "drdaccinvoiceid", 11, 7);
    addReceipt(3, "drdaccinvoiceid", 11, 9, true);
    addReceipt(4, "drdaccinvoiceid", 11, 11, false, OtherShop);
    addVoucher(1, "hqaccountsinvoiceid", 11, {.dummyReceipt = 2, .shop = OtherShop});
    EXPECT_EQ(openingAmounts(), QStringList{"90.00"});
}

TEST_F(OpeningInvoicesTest, cancelledOrOtherCustomersPaymentsDoNotCount) {
    addOpening(11, 0);
    addServiceLine(11, 1, 1, 100);
    addVoucher(1, "hqaccountsinvoiceid", 11, {.amount = 10, .customer = OtherCustomer});
    addVoucher(2, "hqaccountsinvoiceid", 11, {.amount = 20, .cancelled = true});
    addSettlement(1, "ACCinvoiceid", 11, 30, true);
    EXPECT_EQ(openingAmounts(), QStringList{"100.00"});
}

TEST_F(OpeningInvoicesTest, onlyLiveCreditInvoicesOfTheCustomerAndShopDepartmentAreListed) {
    addOpening(1, 0, OtherCustomer);
    const QStringList excluded = {"cancelled = 1", "proforma = 1", "cashinvoice = 1",
                                  QString("departmentid = %1").arg(Department + 1), "FinancialID = 1"};
    for (int id = 2; id <= 6; ++id) {
        addOpening(id, 0);
        changeOpening(id, excluded[id - 2]);
    }
    addOpening(7, 0);
    changeOpening(7, "discount = null");
    for (int id = 1; id <= 7; ++id)
        addServiceLine(id, 1, 1, 25);
    window.LoadOpeningInvoices();
    EXPECT_EQ(column(window.lvwOpeningInvoices, 7), QStringList{"7"});
    EXPECT_EQ(column(window.lvwOpeningInvoices, 5), QStringList{"25.00"});
}

TEST_F(OpeningInvoicesTest, runningNumbersAreCountedApartFromTheShopListAndSkipPaidInvoices) {
    addDocument(Sales, 7, 100);
    addDocument(Sales, 8, 100);
    for (int id = 11; id <= 13; ++id)
        addOpening(id, 0);
    addServiceLine(11, 1, 1, 50);
    addServiceLine(13, 1, 1, 70);
    window.LoadShopInvoices();
    window.LoadOpeningInvoices();
    EXPECT_EQ(column(window.lvwInvoice, 0), (QStringList{"1", "2"}));
    EXPECT_EQ(column(window.lvwOpeningInvoices, 0), (QStringList{"1", "2"}));
    EXPECT_EQ(column(window.lvwOpeningInvoices, 7), (QStringList{"11", "13"}));
}

TEST_F(OpeningInvoicesTest, failingStatementStopsTheListKeepingTheRowsSoFar) {
    addOpening(11, 0);
    addServiceLine(11, 1, 1, 50);
    execute(
        QString(
            "insert into AccountsInvoiceHeader (companyid, invoiceid, customerid, departmentid, FinancialID) "
            "values (%1, 'x9', %2, %3, 0)")
            .arg(Company)
            .arg(Customer)
            .arg(Department));
    EXPECT_THROW(window.LoadOpeningInvoices(), rt::RuntimeError);
    EXPECT_EQ(column(window.lvwOpeningInvoices, 7), QStringList{"11"});
}

} // namespace
