// Saving a new receipt from the entry window: validation, numbering, stored rows, register, voucher, close.
#include "module/clsreceiptsshop.h"
#include "module/session.h"
#include "platform/ado/driver.h"
#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"
#include "platform/forms/userinput.h"
#include "platform/os/applicationfolder.h"
#include "register/frmmaster.h"
#include "support/recordingbackend.h"
#include "support/testdatabase.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

using forms::MsgResult;
using receipts::FrmMaster;
using receipts::frmReceiptShop;

constexpr int ShopSettlement = 5;
constexpr int OpeningSettlement = 6;

const char* const VoucherSettings =
    "windowsprint :=0\r\nprinttoscreen :=0\r\nprintheadertopline :=1\r\nprintheaderbottomline :=1\r\n"
    "printdetailbottomline :=1\r\nheaderleftmargin :=2\r\nspaceinlinecode :=0\r\n"
    "printfooterineachpage :=0\r\nnoofcopiesreceipt :=1\r\nPagewidth :=60\r\nclength :=25\r\n"
    "reflength :=25\r\nnooflinebeforetextReceipt :=0\r\nlinetoskipatlast :=0\r\nlinetoskipfirst :=1\r\n"
    "PrintCompanyName :=1\r\nprintadd1 :=1\r\nprintadd2 :=1\r\nprintadd3 :=0\r\nport :=voucher.prn\r\n";

// Customer Ali owes two sales invoices and a service invoice of the shop and three opening invoices;
// Hawwa owes nothing. The shop numbers its receipts with the prefix "RC-".
const char* const ShopData[] = {
    "insert into acurrencymaster (currencyid, currencyname, symbol) values (1, 'MVR', 'Rf'), (2, 'USD', '$')",
    "insert into acompanymaster (companyid, name, Address1, Address2, Address3, CurrencyID) "
    "values (1, 'Island Traders', 'Coral Villa', 'Male', 'Maldives', 1)",
    "insert into adepartmentMaster (DepartmentID, CompanyID, depcurrencyid) values (1, 1, 1)",
    "insert into ExchangeRate (ExchangeID, CompanyID) values (1, 1)",
    "insert into ExchangeRateDetail (CompanyID, ExchangeID, CurrencyID, SellingRate) "
    "values (1, 1, 1, 15.5), (1, 1, 2, 1)",
    "insert into aSettings (CompanyID, CashGroupID) values (1, 2)",
    "insert into ashops (shopid, companyid, departmentid, miscsettings13, shopname, address, shoplocation, "
    "telephoneno, faxno) values (1, 1, 1, 'b', 'Main Shop', 'Coral Villa', 'Male', '3301122', '3301123')",
    "insert into LOusers (userid, shopid, username) values (1, 1, 'cashier')",
    "insert into LOsSettings (shopid, sNoofBackDays) values (1, 7)",
    "insert into acustomermaster (customerid, CompanyID, customername, CurrencyID, Active) "
    "values (3, 1, 'Ali', 1, 1), (4, 1, 'Hawwa', 1, 1)",
    "insert into ashopcustomerdetails (shopid, customerid) values (1, 3), (1, 4)",
    "insert into losinvoiceheader (ihshopid, ihinvoiceid, ihtype, ihinvoiceno, ihinvoicedate, ihcustomerid, "
    "ihcompanyid, ihnetamount) values (1, 10, 'I', 'INV-10', '20261201', 3, 1, 100), "
    "(1, 15, 'I', 'INV-15', '20261201', 3, 1, 30)",
    "insert into losaccountsinvoiceheader (aishopid, aiinvoiceid, aicompanyid, aiinvoiceno, aiinvoicedate, "
    "aicustomerid, ainetamount) values (1, 20, 1, 'SRV-20', '20261201', 3, 50)",
    "insert into AccountsInvoiceHeader (companyid, invoiceid, invoiceno, invoicedate, customerid, "
    "departmentid, FinancialID, discount, dueperiod, Referenceno) values "
    "(1, 40, 'OP-40', '20261101', 3, 1, 0, 0, 30, 'R40'), "
    "(1, 41, 'OP-41', '20261101', 3, 1, 0, 0, 30, 'R41'), "
    "(1, 42, 'OP-42', '20261101', 3, 1, 0, 0, 30, 'R42')",
    "insert into serviceinvoicedetails (companyid, invoiceid, serviceline, servicename, serviceqty, amount) "
    "values (1, 40, 1, 'Rent', 1, 75), (1, 41, 1, 'Rent', 1, 60), (1, 42, 1, 'Rent', 1, 25)",
    "insert into aPrefix (InterfaceID, shopid, financialid, Prefix) values (1505, 1, 1, 'RC-')",
};

class SavingTest : public ::testing::Test {
protected:
    void SetUp() override {
        module::session() = module::Session();
        for (const char* sql : ShopData)
            database.execute(QString::fromLatin1(sql));
        os::setApplicationFolder(database.folder());
        writeSettings(QStringLiteral("defaultprint :=0"));
        component.setAdocon(database.connection());
        component.intCompanyID = 1;
        component.intShopID = 1;
        component.intUserID = 1;
        component.intFinancialID = 1;
        component.strMsgboxCaption = QStringLiteral("Shop");
        component.dtProcessDate = QDateTime(QDate(2026, 12, 6), QTime(0, 0));
        recorder.backend.onModal = [this](forms::Form& form) { onModal(form); };
    }

    // The settings file with the voucher's layout keys; the voucher goes to a file of the folder.
    void writeSettings(const QString& defaultPrintLine) {
        QFile file(QDir(database.folder()).filePath(QStringLiteral("shopsetting.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(
            (defaultPrintLine + QStringLiteral("\r\n") + QString::fromLatin1(VoucherSettings)).toLatin1());
    }

    // The register opens the entry window with New; after the test's actions an entry still open is
    // closed without the close check, then the register closes.
    void onModal(forms::Form& form) {
        if (auto* master = dynamic_cast<FrmMaster*>(&form)) {
            if (beforeNew) beforeNew(*master);
            forms::user::click(master->cmdnew);
            if (afterEntry) afterEntry(*master);
            master->unload();
            return;
        }
        auto& entry = dynamic_cast<frmReceiptShop&>(form);
        actInEntry(entry);
        if (!entry.isShown()) return;
        entry.cmdok.setEnabled(false);
        entry.unload();
    }

    void show(std::function<void(frmReceiptShop&)> act) {
        actInEntry = std::move(act);
        component.Show();
    }

    static void choose(frmReceiptShop& entry, const QString& customer) {
        for (int i = 0; i < entry.cboCustomer.listCount(); ++i)
            if (entry.cboCustomer.list(i).startsWith(customer))
                return forms::user::select(entry.cboCustomer, i);
        FAIL() << "no customer " << qPrintable(customer);
    }

    static void fillTexts(frmReceiptShop& entry, const QString& bank = QStringLiteral("BML"),
                          const QString& remarks = QStringLiteral("December rent"),
                          const QString& cheque = QStringLiteral("000123")) {
        entry.txtBank.setText(bank);
        entry.txtRemarks.setText(remarks);
        entry.txtchequeno.setText(cheque);
    }

    // An advance of 250.50 in the customer's own currency, ready to be saved.
    static void enterAdvance(frmReceiptShop& entry) {
        forms::user::click(entry.optadvance);
        choose(entry, QStringLiteral("Ali"));
        fillTexts(entry);
        entry.txtrecamount.setText(QStringLiteral("250.50"));
    }

    // The list item showing the document number (column 2).
    static int itemOf(const forms::ListView& list, const QString& number) {
        for (int item = 1; item <= list.count(); ++item)
            if (list.cell(item, 2) == number) return item;
        ADD_FAILURE() << "no document " << qPrintable(number);
        return 0;
    }

    std::vector<QString> messageTexts() const {
        std::vector<QString> texts;
        for (const auto& message : recorder.messages)
            texts.push_back(message.text);
        return texts;
    }

    int headers() const {
        return database.scalar(QStringLiteral("select count(*) from LosDummyReceiptHeader")).toInt();
    }
    int details() const {
        return database.scalar(QStringLiteral("select count(*) from LosDummyReceiptDetail")).toInt();
    }
    // The voucher as written to the printer port or the screen file; empty when none was printed.
    QString voucherText() const {
        for (const char* name : {"voucher.prn", "Receipts.txt"}) {
            QFile file(QDir(database.folder()).filePath(QLatin1String(name)));
            if (file.open(QIODevice::ReadOnly)) return QString::fromLatin1(file.readAll());
        }
        return QString();
    }

    testing_support::TestDatabase database;
    testing_support::RecordingBackend recorder;
    module::clsReceiptsShop component;
    std::function<void(frmReceiptShop&)> actInEntry;
    std::function<void(FrmMaster&)> beforeNew;
    std::function<void(FrmMaster&)> afterEntry;
};

// ---------------------------------------------------------------------------------------------------------
// Validation

TEST_F(SavingTest, headerChecksRunInOrderWithTheirFocusAndBlanksDoNotCount) {
    show([this](frmReceiptShop& entry) {
        const auto refusedWith = [&](const QString& text, forms::Control& focus) {
            recorder.messages.clear();
            forms::user::click(entry.cmdok);
            ASSERT_EQ(recorder.messages.size(), 1u) << qPrintable(text);
            EXPECT_EQ(recorder.messages[0].text, text);
            EXPECT_EQ(recorder.messages[0].title, "Shop");
            EXPECT_EQ(recorder.messages[0].icon, forms::MsgIcon::Information);
            EXPECT_EQ(recorder.messages[0].buttons, forms::MsgButtons::OK);
            EXPECT_EQ(entry.activeControl(), &focus) << qPrintable(text);
        };
        refusedWith(QStringLiteral("select customer"), entry.cboCustomer);
        choose(entry, QStringLiteral("Ali"));
        refusedWith(QStringLiteral("Enter bank name"), entry.txtBank);
        entry.txtBank.setText(QStringLiteral("   "));
        refusedWith(QStringLiteral("Enter bank name"), entry.txtBank);
        entry.txtBank.setText(QStringLiteral("BML"));
        entry.txtRemarks.setText(QStringLiteral("  "));
        refusedWith(QStringLiteral("Enter remarks"), entry.txtRemarks);
        entry.txtRemarks.setText(QStringLiteral("rent"));
        entry.txtchequeno.setText(QStringLiteral(" "));
        refusedWith(QStringLiteral("Enter cheque number"), entry.txtchequeno);
        EXPECT_TRUE(entry.isShown());
        EXPECT_TRUE(entry.cmdok.enabled());
    });
    EXPECT_EQ(headers(), 0);
    EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(SavingTest, settlementChecksFollowTheHeaderChecksInOrder) {
    show([this](frmReceiptShop& entry) {
        const auto refusedWith = [&](const QString& text, forms::Control& focus) {
            recorder.messages.clear();
            forms::user::click(entry.cmdok);
            ASSERT_EQ(recorder.messages.size(), 1u) << qPrintable(text);
            EXPECT_EQ(recorder.messages[0].text, text);
            EXPECT_EQ(recorder.messages[0].icon, forms::MsgIcon::Information);
            EXPECT_EQ(entry.activeControl(), &focus) << qPrintable(text);
        };
        choose(entry, QStringLiteral("Hawwa"));
        fillTexts(entry);
        entry.txtrecamount.setText(QStringLiteral("40"));
        // The focus stays where the click left it.
        refusedWith(QStringLiteral("Atleast one detail needed"), entry.cmdok);
        choose(entry, QStringLiteral("Ali"));
        fillTexts(entry);
        refusedWith(QStringLiteral("Atleast one settlement should be done"), entry.lvwInvoice);
        entry.lvwInvoice.setCell(1, ShopSettlement, QStringLiteral("40.00"));
        entry.txtAmount.setText(QStringLiteral("40.00"));
        entry.cboCurrency.setListIndex(-1);
        refusedWith(QStringLiteral("Select the Received Amount Currency "), entry.cboCurrency);
        entry.cboCurrency.setListIndex(0);
        entry.txtrecamount.setText(QString());
        refusedWith(QStringLiteral("Enter Received Amount "), entry.txtrecamount);
        entry.txtrecamount.setText(QStringLiteral("40.01"));
        refusedWith(QStringLiteral("Received amount and settled amount should be same"), entry.txtrecamount);
        recorder.answers = {MsgResult::No};
        entry.txtrecamount.setText(QStringLiteral("40"));
        forms::user::click(entry.cmdok);
        EXPECT_FALSE(entry.isShown());
    });
    EXPECT_EQ(headers(), 1);
    EXPECT_EQ(details(), 1);
}

TEST_F(SavingTest, anotherReceivedCurrencyComparesTheSettledTotalWithTheCustomerEquivalent) {
    show([this](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Ali"));
        fillTexts(entry);
        entry.cboCurrency.setListIndex(1); // 10 USD received from a customer who pays in MVR
        entry.txtrecamount.setText(QStringLiteral("10"));
        entry.txtCustEquAmount.setText(QStringLiteral("155.00"));
        entry.lvwInvoice.setCell(1, ShopSettlement, QStringLiteral("10.00"));
        entry.txtAmount.setText(QStringLiteral("10.00"));
        forms::user::click(entry.cmdok);
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_EQ(recorder.messages[0].text, "Received amount and settled amount should be same");
        entry.lvwInvoice.setCell(1, ShopSettlement, QStringLiteral("100.00"));
        entry.lvwInvoice.setCell(2, ShopSettlement, QStringLiteral("5.00"));
        entry.lvwInvoice.setCell(3, ShopSettlement, QStringLiteral("50.00"));
        entry.txtAmount.setText(QStringLiteral("155.00"));
        recorder.answers = {MsgResult::No};
        forms::user::click(entry.cmdok);
        EXPECT_FALSE(entry.isShown());
    });
    EXPECT_EQ(database.scalar(QStringLiteral("select drreccurrencyid from LosDummyReceiptHeader")), "2");
    EXPECT_EQ(database.scalar(QStringLiteral("select dramount from LosDummyReceiptHeader")), "10");
    EXPECT_EQ(database.scalar(QStringLiteral("select drrecamount from LosDummyReceiptHeader")), "155");
    EXPECT_EQ(details(), 3);
    // Rates of the text: 15.5 for MVR (company and department currency), 1 for USD.
    EXPECT_EQ(database.scalar(QStringLiteral("select drExchangeRate from LosDummyReceiptHeader")), "15.5");
    EXPECT_EQ(database.scalar(QStringLiteral("select drdepexRate from LosDummyReceiptHeader")), "15.5");
}

TEST_F(SavingTest, aSettledDocumentOfAnUnknownKindIsRefusedAndNothingIsStored) {
    database.execute(
        QStringLiteral("insert into losdebitcreditnote (dcnshopid, dcnid, dcncompanyid, dcntype, "
                       "dcnno, dcndate, dcncustomerid, dcnamount) "
                       "values (1, 30, 1, 'XYZ', 'XY-30', '20261201', 3, 90)"));
    show([this](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Ali"));
        fillTexts(entry);
        const int note = itemOf(entry.lvwInvoice, QStringLiteral("XY-30"));
        ASSERT_EQ(entry.lvwInvoice.cell(note, 1), QString());
        entry.lvwInvoice.setCell(note, ShopSettlement, QStringLiteral("90.00"));
        entry.txtAmount.setText(QStringLiteral("90.00"));
        entry.txtrecamount.setText(QStringLiteral("90"));
        forms::user::click(entry.cmdok);
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_EQ(recorder.messages[0].text,
                  "The invoice type of XY-30 is not known; its settlement cannot be saved");
        EXPECT_EQ(entry.activeControl(), &entry.lvwInvoice);
        EXPECT_EQ(entry.lvwInvoice.selectedItem(), note);
        EXPECT_TRUE(entry.cmdok.enabled());
    });
    EXPECT_EQ(headers(), 0);
    EXPECT_TRUE(recorder.errors.empty());
}

// ---------------------------------------------------------------------------------------------------------
// What is stored

TEST_F(SavingTest, anAdvanceStoresTheHeaderWithEveryValueAndNoDetail) {
    module::session().CounterId = 7;
    show([this](frmReceiptShop& entry) {
        forms::user::click(entry.optadvance);
        choose(entry, QStringLiteral("Ali"));
        fillTexts(entry, QStringLiteral(" O'Brien's Bank "), QStringLiteral("it's paid'); drop table x; --"),
                  QStringLiteral("12'34"));
        entry.dtpChequeDate.setValue(QDate(2026, 12, 20));
        entry.txtrecamount.setText(QStringLiteral("250.50"));
        // Rows still listed do not turn an advance into a settlement.
        const int item = entry.lvwInvoice.addItem(QStringLiteral("1"));
        entry.lvwInvoice.setCell(item, 1, QStringLiteral("Sales Invoice"));
        entry.lvwInvoice.setCell(item, ShopSettlement, QStringLiteral("10.00"));
        entry.lvwInvoice.setCell(item, 6, QStringLiteral("10"));
        recorder.answers = {MsgResult::No};
        forms::user::click(entry.cmdok);
        EXPECT_FALSE(entry.isShown());
    });
    const auto field = [this](const char* column) {
        return database.scalar(
            QStringLiteral("select %1 from LosDummyReceiptHeader where drshopid=1 and drid=1")
                .arg(QLatin1String(column)));
    };
    EXPECT_EQ(headers(), 1);
    EXPECT_EQ(details(), 0);
    EXPECT_EQ(field("drNo"), "RC-1");
    EXPECT_EQ(field("drCompanyID"), "1");
    EXPECT_EQ(field("drRecadduser"), "cashier");
    EXPECT_EQ(field("drDepartmentid"), "1");
    EXPECT_EQ(field("drCounterID"), "7");
    EXPECT_EQ(field("drcustomerid"), "3");
    EXPECT_EQ(field("drbankname"), "O'Brien's Bank");
    EXPECT_EQ(field("drremarks"), "it's paid'); drop table x; --");
    EXPECT_EQ(field("drchequeno"), "12'34");
    EXPECT_EQ(field("dramount"), "250.5");
    EXPECT_EQ(field("drreccurrencyid"), "1");
    EXPECT_EQ(field("drrecamount"), "0");
    EXPECT_EQ(field("drBankExchangeRate"), "15.5");
    EXPECT_EQ(field("drExchangeRate"), "1");
    EXPECT_EQ(field("drdepexRate"), "1");
    EXPECT_EQ(field("drCancelled"), "0");
    EXPECT_EQ(field("drUserID"), "1");
    EXPECT_EQ(field("drexchangerates"), module::session().ExchangeRatesText);
    EXPECT_FALSE(field("drTime").isEmpty());
    EXPECT_EQ(field("count(*)"), "1");
    EXPECT_EQ(
        database.scalar(QStringLiteral("select count(*) from LosDummyReceiptHeader where drdate = '20261206' "
                                       "and drchequedate = '2026/12/20'")),
        "1");
    EXPECT_EQ(database.scalar(QStringLiteral("select documentno from aUserAuditing where documentid = 1")),
              "RC-1");
    EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(SavingTest, aSettlementStoresSettledRowsInTheirKindColumnsWithListPositionsAsLines) {
    // Another shop's number under the prefix, beyond what 16 bits hold, sets the sequence.
    database.execute(
        QStringLiteral("insert into LosDummyReceiptHeader (drShopid, drID, drNo, drdate, drcustomerid) "
                       "values (2, 1, 'RC-40000', '20261201', 3)"));
    show([this](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Ali"));
        fillTexts(entry);
        ASSERT_EQ(entry.lvwInvoice.count(), 3);
        ASSERT_EQ(entry.lvwOpeningInvoices.count(), 3);
        ASSERT_EQ(entry.lvwInvoice.cell(3, 1), "Service Invoice");
        entry.lvwInvoice.setCell(1, ShopSettlement, QStringLiteral("40.00"));
        entry.lvwInvoice.setCell(3, ShopSettlement, QStringLiteral("50.00"));
        entry.lvwOpeningInvoices.setCell(itemOf(entry.lvwOpeningInvoices, "OP-40"), OpeningSettlement,
                                         "75.00");
        entry.lvwOpeningInvoices.setCell(itemOf(entry.lvwOpeningInvoices, "OP-42"), OpeningSettlement,
                                         "12.50");
        entry.txtAmount.setText(QStringLiteral("177.50"));
        entry.txtrecamount.setText(QStringLiteral("177.5"));
        recorder.answers = {MsgResult::No};
        forms::user::click(entry.cmdok);
        EXPECT_FALSE(entry.isShown());
    });
    EXPECT_EQ(database.scalar(QStringLiteral("select drNo from LosDummyReceiptHeader where drshopid=1")),
              "RC-40001");
    EXPECT_EQ(
        database.scalar(QStringLiteral("select drrecamount from LosDummyReceiptHeader where drshopid=1")),
        "177.5");
    ado::Recordset rs;
    rs.open(QStringLiteral("select drdDetailid, drdshopid, drdid, drdCompanyid, "
                           "coalesce(drdinvoiceid,'')||'/'||coalesce(drdserviceinvoiceid,'')||'/'||"
                           "coalesce(drdaccinvoiceid,''), drdinvoiceamount, drdsettledamount "
                           "from LosDummyReceiptDetail order by drdDetailid"),
            database.connection());
    QStringList rows;
    for (; !rs.eof(); rs.moveNext()) {
        QStringList cells;
        for (int i = 0; i < rs.fieldCount(); ++i)
            cells << rt::nullAsEmpty(rs.field(i));
        rows << cells.join(QLatin1Char(' '));
    }
    EXPECT_EQ(rows, QStringList({"1 1 1 1 10// 100 40", "3 1 1 1 /20/ 50 50", "4 1 1 1 //40 75 75",
                                 "5 1 1 1 //42 25 12.5"}));
    EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(SavingTest, theNewReceiptBecomesTheRegistersCurrentRow) {
    database.execute(
        QStringLiteral("insert into LosDummyReceiptHeader (drShopid, drID, drNo, drdate, drcustomerid, "
                       "dramount, drCancelled) values (1, 4, 'RC-9', '20261206', 4, 12, 0)"));
    afterEntry = [](FrmMaster& master) {
        const forms::Grid& grid = master.flexMaster;
        ASSERT_EQ(grid.rows(), 3);
        EXPECT_EQ(grid.row(), 2);
        EXPECT_EQ(grid.topRow(), 2);
        EXPECT_EQ(grid.textMatrix(2, 0), "5");
        EXPECT_EQ(grid.textMatrix(2, 1), "RC-10");
        EXPECT_EQ(grid.textMatrix(2, 3), "Ali");
        EXPECT_EQ(grid.textMatrix(2, 5), "No");
    };
    show([this](frmReceiptShop& entry) {
        enterAdvance(entry);
        recorder.answers = {MsgResult::No};
        forms::user::click(entry.cmdok);
    });
    EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(SavingTest, theFirstReceiptFillsTheEmptyRegistersPlaceholderRow) {
    afterEntry = [](FrmMaster& master) {
        ASSERT_EQ(master.flexMaster.rows(), 2);
        EXPECT_EQ(master.flexMaster.textMatrix(1, 0), "1");
        EXPECT_EQ(master.flexMaster.textMatrix(1, 1), "RC-1");
    };
    show([this](frmReceiptShop& entry) {
        enterAdvance(entry);
        recorder.answers = {MsgResult::No};
        forms::user::click(entry.cmdok);
    });
    EXPECT_TRUE(recorder.errors.empty());
}

// ---------------------------------------------------------------------------------------------------------
// Voucher

TEST_F(SavingTest, defaultPrintOneWithBlanksPrintsWithoutAsking) {
    writeSettings(QStringLiteral("defaultprint := 1 "));
    show([this](frmReceiptShop& entry) {
        enterAdvance(entry);
        forms::user::click(entry.cmdok);
        EXPECT_FALSE(entry.isShown());
    });
    EXPECT_TRUE(messageTexts().empty());
    EXPECT_EQ(headers(), 1);
    EXPECT_TRUE(voucherText().contains(QStringLiteral("RC-1"))) << qPrintable(voucherText());
}

TEST_F(SavingTest, anyOtherDefaultPrintAsksWithoutTitleAndNoPrintsNothing) {
    for (const QString& setting : {QStringLiteral("defaultprint :=0"), QStringLiteral("defaultprint :=11"),
                                   QStringLiteral("defaultprint :=yes")}) {
        recorder.messages.clear();
        writeSettings(setting);
        show([this](frmReceiptShop& entry) {
            enterAdvance(entry);
            recorder.answers = {MsgResult::No};
            forms::user::click(entry.cmdok);
            EXPECT_FALSE(entry.isShown());
        });
        ASSERT_EQ(recorder.messages.size(), 1u) << qPrintable(setting);
        EXPECT_EQ(recorder.messages[0].text, "Do you want to print Voucher");
        EXPECT_EQ(recorder.messages[0].title, QString());
        EXPECT_EQ(recorder.messages[0].icon, forms::MsgIcon::Question);
        EXPECT_EQ(recorder.messages[0].buttons, forms::MsgButtons::YesNo);
    }
    EXPECT_EQ(headers(), 3);
    EXPECT_EQ(voucherText(), QString());
}

TEST_F(SavingTest, aMissingDefaultPrintKeyIsToldAndThenAsked) {
    writeSettings(QStringLiteral("DefaultCounter :=1"));
    show([this](frmReceiptShop& entry) {
        enterAdvance(entry);
        recorder.answers = {MsgResult::OK, MsgResult::No};
        forms::user::click(entry.cmdok);
    });
    EXPECT_EQ(messageTexts(), std::vector<QString>({"defaultprint  invalid parameter in Settings.ini file",
                                                    "Do you want to print Voucher"}));
    EXPECT_EQ(headers(), 1);
}

TEST_F(SavingTest, yesPrintsTheVoucherOfTheRegistersCurrentRowWhichIsTheNewReceipt) {
    database.execute(QStringLiteral(
        "insert into LosDummyReceiptHeader (drShopid, drID, drCompanyID, drNo, drdate, "
        "drcustomerid, dramount, drCancelled) values (1, 4, 1, 'RC-9', '20261206', 4, 12, 0)"));
    show([this](frmReceiptShop& entry) {
        enterAdvance(entry);
        recorder.answers = {MsgResult::Yes};
        forms::user::click(entry.cmdok);
        EXPECT_FALSE(entry.isShown());
    });
    EXPECT_TRUE(voucherText().contains(QStringLiteral("RC-10"))) << qPrintable(voucherText());
    EXPECT_FALSE(voucherText().contains(QStringLiteral("RC-9")));
    for (auto& e : recorder.errors)
        ADD_FAILURE() << qPrintable(e.procedureName + ": " + e.description);
}

// ---------------------------------------------------------------------------------------------------------
// Failures

TEST_F(SavingTest, aFailureBeforeTheCommitLeavesNothingStoredAndTheWindowOpenForAnotherTry) {
    database.connection()->driver().executeNative(
        QStringLiteral("CREATE TRIGGER trgRefuseDetail BEFORE INSERT ON LosDummyReceiptDetail "
                       "BEGIN SELECT RAISE(ABORT, 'detail refused'); END;"));
    show([this](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Ali"));
        fillTexts(entry);
        entry.lvwInvoice.setCell(1, ShopSettlement, QStringLiteral("40.00"));
        entry.txtAmount.setText(QStringLiteral("40.00"));
        entry.txtrecamount.setText(QStringLiteral("40"));
        forms::user::click(entry.cmdok);
        ASSERT_EQ(recorder.errors.size(), 1u);
        EXPECT_EQ(recorder.errors[0].moduleName, "frmReceiptShop");
        EXPECT_EQ(recorder.errors[0].procedureName, "cmdOk_Click");
        EXPECT_TRUE(recorder.errors[0].description.contains(QStringLiteral("detail refused")));
        EXPECT_TRUE(entry.isShown());
        EXPECT_TRUE(entry.cmdok.enabled());
        EXPECT_EQ(headers(), 0);
        EXPECT_EQ(details(), 0);
        EXPECT_EQ(database.scalar(QStringLiteral("select count(*) from aUserAuditing")), "0");
        EXPECT_TRUE(messageTexts().empty());

        database.connection()->driver().executeNative(QStringLiteral("DROP TRIGGER trgRefuseDetail"));
        recorder.answers = {MsgResult::No};
        forms::user::click(entry.cmdok);
        EXPECT_FALSE(entry.isShown());
    });
    EXPECT_EQ(headers(), 1);
    EXPECT_EQ(details(), 1);
    EXPECT_EQ(database.scalar(QStringLiteral("select drNo from LosDummyReceiptHeader")), "RC-1");
}

TEST_F(SavingTest, aFailureAfterTheCommitKeepsTheReceiptAndTheWindowOpen) {
    // A register that cannot show the new receipt leaves its empty placeholder row current, so the
    // voucher of that row cannot be found.
    beforeNew = [](FrmMaster& master) {
        master.strGridQuery.replace(QStringLiteral(" where "), QStringLiteral(" where drid < 0 and "));
    };
    show([this](frmReceiptShop& entry) {
        enterAdvance(entry);
        recorder.answers = {MsgResult::Yes};
        forms::user::click(entry.cmdok);
        ASSERT_EQ(recorder.errors.size(), 1u);
        EXPECT_EQ(recorder.errors[0].procedureName, "cmdOk_Click  ");
        EXPECT_EQ(recorder.errors[0].number, rt::err::TypeMismatch);
        EXPECT_TRUE(entry.isShown());
        EXPECT_FALSE(entry.cmdok.enabled());
        EXPECT_EQ(headers(), 1);
        // Saved: closing no longer asks.
        recorder.messages.clear();
        forms::user::closeWindow(entry);
        EXPECT_FALSE(entry.isShown());
        EXPECT_TRUE(recorder.messages.empty());
    });
}

// ---------------------------------------------------------------------------------------------------------
// Close check

TEST_F(SavingTest, closingAnUntouchedEntryDoesNotAsk) {
    show([this](frmReceiptShop& entry) {
        forms::user::closeWindow(entry);
        EXPECT_FALSE(entry.isShown());
    });
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(SavingTest, closingAfterAChangeAsksAndCancelKeepsTheWindowNoClosesWithoutSaving) {
    show([this](frmReceiptShop& entry) {
        entry.txtBank.setText(QStringLiteral("BML"));
        recorder.answers = {MsgResult::Cancel};
        forms::user::closeWindow(entry);
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_EQ(recorder.messages[0].text, "Save Changes?");
        EXPECT_EQ(recorder.messages[0].title, "Shop");
        EXPECT_EQ(recorder.messages[0].icon, forms::MsgIcon::Information);
        EXPECT_EQ(recorder.messages[0].buttons, forms::MsgButtons::YesNoCancel);
        EXPECT_TRUE(entry.isShown());
        recorder.answers = {MsgResult::No};
        forms::user::closeWindow(entry);
        EXPECT_FALSE(entry.isShown());
    });
    EXPECT_EQ(recorder.messages.size(), 2u);
    EXPECT_EQ(headers(), 0);
}

TEST_F(SavingTest, aSettleDialogChangeAloneMakesTheCloseAskUntilTheEntryCloses) {
    module::session().EntryChanged = true;
    show([this](frmReceiptShop& entry) {
        recorder.answers = {MsgResult::Cancel};
        forms::user::closeWindow(entry);
        EXPECT_TRUE(module::session().EntryChanged);
        recorder.answers = {MsgResult::No};
        forms::user::closeWindow(entry);
        EXPECT_FALSE(entry.isShown());
    });
    EXPECT_EQ(messageTexts(), std::vector<QString>({"Save Changes?", "Save Changes?"}));
    EXPECT_FALSE(module::session().EntryChanged);
    // The next entry, untouched, closes without the question.
    recorder.messages.clear();
    show([](frmReceiptShop& entry) { forms::user::closeWindow(entry); });
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(SavingTest, yesToTheCloseQuestionValidatesAndStaysOpenOnARefusal) {
    show([this](frmReceiptShop& entry) {
        choose(entry, QStringLiteral("Ali"));
        recorder.answers = {MsgResult::Yes, MsgResult::OK};
        forms::user::closeWindow(entry);
        EXPECT_TRUE(entry.isShown());
        EXPECT_EQ(messageTexts(), std::vector<QString>({"Save Changes?", "Enter bank name"}));
    });
    EXPECT_EQ(headers(), 0);
}

TEST_F(SavingTest, yesToTheCloseQuestionSavesAndCloses) {
    show([this](frmReceiptShop& entry) {
        enterAdvance(entry);
        recorder.answers = {MsgResult::Yes, MsgResult::No};
        forms::user::closeWindow(entry);
        EXPECT_FALSE(entry.isShown());
    });
    EXPECT_EQ(messageTexts(), std::vector<QString>({"Save Changes?", "Do you want to print Voucher"}));
    EXPECT_EQ(headers(), 1);
    EXPECT_TRUE(recorder.errors.empty());
}

// ---------------------------------------------------------------------------------------------------------
// Numbering

class NumberingTest : public ::testing::Test {
protected:
    void SetUp() override {
        module::Session& s = module::session();
        s = module::Session();
        s.shopId = 1;
        s.financialId = 1;
        window.setAdocon(database.connection());
    }

    void prefix(const QString& text, int shop = 1, int financial = 1, int interface = 1505) {
        database.execute(
            QStringLiteral("insert into aPrefix (InterfaceID, shopid, financialid, Prefix) values "
                           "(%1, %2, %3, %4)")
                .arg(interface)
                .arg(shop)
                .arg(financial)
                .arg(ado::quoted(text)));
    }

    void stored(std::initializer_list<const char*> numbers, int shop = 1) {
        for (const char* number : numbers)
            database.execute(QStringLiteral("insert into LosDummyReceiptHeader (drShopid, drID, drNo) values "
                                            "(%1, %2, %3)")
                                 .arg(shop)
                                 .arg(++lastId)
                                 .arg(ado::quoted(QString::fromLatin1(number))));
    }

    testing_support::TestDatabase database;
    frmReceiptShop window;
    int lastId = 0;
};

TEST_F(NumberingTest, aPrefixNoNumberUsesStartsAtOne) {
    prefix(QStringLiteral("RC-"));
    stored({"XY-5", "77", "RC-", "RC-1a"});
    EXPECT_EQ(window.GenerateRecieptNo(), "RC-1");
}

TEST_F(NumberingTest, withoutAPrefixRowOnlyAllDigitNumbersCount) {
    prefix(QStringLiteral("OLD-"), 1, 2);
    prefix(QStringLiteral("INV-"), 1, 1, 1400);
    prefix(QStringLiteral("TWO-"), 2);
    stored({"RC-700", "12", "0009", "OLD-50"});
    EXPECT_EQ(window.GenerateRecieptNo(), "13");
}

TEST_F(NumberingTest, leadingZerosAreContinuedWithoutThemAndLetterCaseIsIgnored) {
    prefix(QStringLiteral("RC-"));
    stored({"RC-0007", "rc-0009", "RC-0008"});
    EXPECT_EQ(window.GenerateRecieptNo(), "RC-10");
}

TEST_F(NumberingTest, anotherShopsNumbersWithTheSamePrefixRaiseTheSequence) {
    prefix(QStringLiteral("RC-"));
    stored({"RC-3"});
    stored({"RC-51"}, 2);
    EXPECT_EQ(window.GenerateRecieptNo(), "RC-52");
}

TEST_F(NumberingTest, sequenceNumbersGoBeyondSixteenBits) {
    prefix(QStringLiteral("RC-"));
    stored({"RC-32767"});
    EXPECT_EQ(window.GenerateRecieptNo(), "RC-32768");
    stored({"RC-99999"});
    EXPECT_EQ(window.GenerateRecieptNo(), "RC-100000");
}

TEST_F(NumberingTest, theLargestThirtyTwoBitSequenceOverflows) {
    prefix(QStringLiteral("RC-"));
    stored({"RC-2147483647"});
    try {
        window.GenerateRecieptNo();
        FAIL() << "no overflow";
    } catch (const rt::RuntimeError& error) {
        EXPECT_EQ(error.number(), rt::err::Overflow);
    }
}

TEST_F(NumberingTest, anApostropheInThePrefixStaysInsideItsLiteral) {
    prefix(QStringLiteral("O'R-"));
    stored({"O'R-4", "OR-9"});
    EXPECT_EQ(window.GenerateRecieptNo(), "O'R-5");
}

} // namespace
