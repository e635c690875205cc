// The entry window in a real Qt window (offscreen), opened from the register by New or Ctrl+Enter.
#include "host/qstringprinter.h"
#include "module/clsreceiptsshop.h"
#include "platform/qt/formwindow.h"
#include "platform/qt/qtbackend.h"
#include "register/frmmaster.h"
#include "support/recordingbackend.h"
#include "support/testdatabase.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Company 1 keeps its books in rufiyaa, its cash group is the dollar; the shop's department works in
// rufiyaa. Coral Cafe pays in dollars and owes two sales invoices (one partly paid by head office)
// and an opening invoice; Reef Traders owes nothing.
const char* const ShopRows[] = {
    "insert into acompanymaster (companyID, name, CurrencyID) values (1, 'Island Traders', 1)",
    "insert into acurrencymaster (currencyid, currencyname, symbol, companyid) values "
    "(1, 'Maldivian Rufiyaa', 'MVR', 1), (2, 'US Dollar', 'USD', 1)",
    "insert into adepartmentMaster (DepartmentID, CompanyID, departmentname, depcurrencyid) values "
    "(1, 1, 'Retail', 1)",
    "insert into ExchangeRate (ExchangeID, CompanyID, description) values (1, 1, 'Daily')",
    "insert into ExchangeRateDetail (CompanyID, ExchangeID, CurrencyID, SellingRate) values "
    "(1, 1, 1, 15.42), (1, 1, 2, 1)",
    "insert into aSettings (CompanyID, CashGroupID) values (1, 2)",
    "insert into apackagesettings (companyid, alias) values (1, 0)",
    "insert into ashops (shopid, companyid, departmentid, shopname, CounterLogin, futureint, miscsettings13) "
    "values (1, 1, 1, 'Main Shop', 0, 0, 'ab')",
    "insert into acustomermaster (customerid, CompanyID, customername, CurrencyID, Active) values "
    "(7, 1, 'Coral Cafe', 2, 1), (8, 1, 'Reef Traders', 1, 1)",
    "insert into ashopcustomerdetails (shopid, customerid) values (1, 7), (1, 8)",
    "insert into losinvoiceheader (ihshopid, ihinvoiceid, ihcompanyid, ihtype, ihinvoiceno, ihinvoicedate, "
    "ihcustomerid, ihnetamount, ihRemarks) values (1, 11, 1, 'I', 'INV-11', '20240301', 7, 100, 'Lunch'), "
    "(1, 12, 1, 'I', 'INV-12', '20240302', 7, 250.5, null)",
    "insert into receiptvoucherheader (companyid, receiptid, receiptno, CustomerID, cancelled) values "
    "(1, 1, 'HQ-1', 7, 0)",
    "insert into receiptvoucherdetails (companyid, receiptid, voucherline, shopid, amountreceived, "
    "posinvoiceid) values (1, 1, 1, 1, 40, 11)",
    "insert into AccountsInvoiceHeader (companyid, invoiceid, invoiceno, invoicedate, customerid, "
    "departmentid, FinancialID, discount, dueperiod, Referenceno) "
    "values (1, 31, 'OP-31', '20231215', 7, 1, 0, 10, 30, 'REF-9')",
    "insert into serviceinvoicedetails (companyid, invoiceid, serviceline, servicename, serviceqty, amount) "
    "values (1, 31, 1, 'Rent', 2, 45)",
};

class EntryWindowQtTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* row : ShopRows)
            database.execute(QString::fromLatin1(row));
        forms::Runtime::setBackend(&backend);
        component.setAdocon(database.connection());
        component.intCompanyID = 1;
        component.intShopID = 1;
        component.intUserID = 1;
        component.dtProcessDate = QDateTime(QDate(2024, 3, 10), QTime(0, 0));
    }
    void TearDown() override { forms::Runtime::setBackend(nullptr); }

    receipts::frmReceiptShop& entryForm() { return component.frmMaster().entryWindow(); }

    // Shows the register and runs `openEntry` in it; `openEntry` opens the entry window, during which
    // `inspect` runs in the entry window and must close it. The register is closed at the end. A
    // window left open fails the test instead of hanging it.
    void runEntry(const std::function<void(QWidget&)>& openEntry,
                  const std::function<void(QWidget&)>& inspect) {
        bool inspected = false;
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            ADD_FAILURE() << "a window stayed open";
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->reject();
            entryForm().unload();
            component.frmMaster().unload();
        });
        watchdog.start(10000);
        QTimer::singleShot(0, [&] {
            QWidget* registerWindow = backend.windowOf(component.frmMaster());
            ASSERT_NE(registerWindow, nullptr);
            QTimer::singleShot(0, [&] {
                QWidget* entryWindow = backend.windowOf(entryForm());
                ASSERT_NE(entryWindow, nullptr);
                try {
                    inspect(*entryWindow);
                    inspected = true;
                } catch (const std::exception& error) {
                    ADD_FAILURE() << error.what();
                    entryForm().unload();
                }
            });
            openEntry(*registerWindow);
            EXPECT_FALSE(entryForm().isLoaded());
            EXPECT_NE(backend.windowOf(component.frmMaster()), nullptr);
            QTest::mouseClick(&child<QPushButton>(*registerWindow, "CmdClose"), Qt::LeftButton);
        });
        component.Show();
        EXPECT_TRUE(inspected);
        EXPECT_FALSE(component.frmMaster().isLoaded());
    }

    void runFromNew(const std::function<void(QWidget&)>& inspect) {
        runEntry(
            [](QWidget& window) { QTest::mouseClick(&child<QPushButton>(window, "cmdnew"), Qt::LeftButton); },
            inspect);
    }

    template <class W> static W& child(const QWidget& window, const char* name) {
        W* found = window.findChild<W*>(QLatin1String(name));
        if (!found) throw std::logic_error(std::string("no widget ") + name);
        return *found;
    }

    static void settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    // Picks the item whose text starts with `text`, as the user's pick from the drop-down list.
    static void chooseItem(QComboBox& combo, const QString& text) {
        const int index = combo.findText(text, Qt::MatchStartsWith);
        ASSERT_GE(index, 0) << text.toStdString();
        combo.setCurrentIndex(index);
        emit combo.activated(index);
        settle();
    }

    static QStringList row(const QAbstractItemModel& model, int row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column)
            cells << model.data(model.index(row, column)).toString();
        return cells;
    }

    // Closes with the Close button; should the close check ask about unsaved changes, the answer is No.
    static void closeEntry(QWidget& window) {
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box && box->text() == QLatin1String("Save Changes?")) box->button(QMessageBox::No)->click();
        });
        QTest::mouseClick(&child<QPushButton>(window, "cmdCancel"), Qt::LeftButton);
    }

    testing_support::TestDatabase database;
    testing_support::RecordingBackend recorder;
    qtview::QtBackend backend;
    module::clsReceiptsShop component;
};

TEST_F(EntryWindowQtTest, newOpensTheEntryWindowWithItsFieldsAboveTheTabbedListsAndButtonsBottomRight) {
    runFromNew([](QWidget& window) {
        settle();
        EXPECT_EQ(window.windowTitle(), "Receipts");
        EXPECT_EQ(window.size(), QSize(1000, 640));
        auto& tabs = child<QTabWidget>(window, "sstbInvoices");
        ASSERT_EQ(tabs.count(), 2);
        EXPECT_EQ(tabs.tabText(0), "Shop Invoices");
        EXPECT_EQ(tabs.tabText(1), "Opening Invoices");
        EXPECT_TRUE(tabs.widget(0)->isAncestorOf(&child<QTreeView>(window, "lvwInvoice")));
        EXPECT_TRUE(tabs.widget(1)->isAncestorOf(&child<QTreeView>(window, "lvwOpeningInvoices")));
        auto& frame = child<QGroupBox>(window, "fradummyreceiptoption");
        EXPECT_TRUE(frame.isAncestorOf(&child<QRadioButton>(window, "optadvance")));
        EXPECT_TRUE(child<QRadioButton>(window, "OptSettlement").isChecked());
        EXPECT_FALSE(child<QRadioButton>(window, "optadvance").isChecked());
        EXPECT_EQ(child<QLineEdit>(window, "txtProcessDate").text(), "10/03/2024");
        EXPECT_EQ(child<QDateEdit>(window, "dtpChequeDate").date(), QDate(2024, 3, 10));
        EXPECT_TRUE(child<QDateEdit>(window, "dtpChequeDate").calendarPopup());
        EXPECT_EQ(child<QLabel>(window, "lblCurrency").buddy(), &child<QComboBox>(window, "cboCurrency"));
        const QWidget& remarks = child<QLineEdit>(window, "txtRemarks");
        EXPECT_LT(child<QComboBox>(window, "cboCustomer").y(), remarks.y());
        EXPECT_LT(remarks.geometry().bottom(), frame.y());
        EXPECT_LT(frame.geometry().bottom(), tabs.y());
        EXPECT_GT(tabs.height(), window.height() / 3);
        auto& ok = child<QPushButton>(window, "cmdok");
        auto& close = child<QPushButton>(window, "cmdCancel");
        EXPECT_EQ(ok.text(), "&Ok");
        EXPECT_EQ(close.text(), "&Close");
        EXPECT_GT(ok.y(), tabs.geometry().bottom());
        EXPECT_LT(ok.x(), close.x());
        EXPECT_GT(close.geometry().right(), window.width() * 9 / 10);
        closeEntry(window);
    });
    EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(EntryWindowQtTest, choosingACustomerListsTheDocumentsWithTheirBalancesAndTheCurrencySymbol) {
    runFromNew([](QWidget& window) {
        auto& customers = child<QComboBox>(window, "cboCustomer");
        EXPECT_EQ(customers.count(), 2);
        chooseItem(customers, QStringLiteral("Coral Cafe--->US Dollar"));
        EXPECT_EQ(child<QComboBox>(window, "cboCurrency").currentText(), "US Dollar");
        const QAbstractItemModel& shop = *child<QTreeView>(window, "lvwInvoice").model();
        ASSERT_EQ(shop.rowCount(), 2);
        EXPECT_EQ(row(shop, 0), QStringList({"1", "Sales Invoice", "INV-11", "01/03/2024", "60.00", "0.00",
                                             "11", "Lunch"}));
        EXPECT_EQ(row(shop, 1),
                  QStringList({"2", "Sales Invoice", "INV-12", "02/03/2024", "250.50", "0.00", "12", ""}));
        EXPECT_EQ(shop.headerData(4, Qt::Horizontal).toString(), "Invoice Amt(USD)");
        EXPECT_EQ(shop.headerData(5, Qt::Horizontal).toString(), "Settlement(USD)");
        const QAbstractItemModel& opening = *child<QTreeView>(window, "lvwOpeningInvoices").model();
        ASSERT_EQ(opening.rowCount(), 1);
        EXPECT_EQ(row(opening, 0), QStringList({"1", "Opening Invoice", "OP-31", "REF-9", "15/12/2023",
                                                "80.00", "0.00", "31"}));
        EXPECT_EQ(child<QLabel>(window, "lblreceivedamount").text(), "Recived Amount (USD):");
        EXPECT_EQ(child<QLabel>(window, "lblCustEquAmount").text(), "Cust. Equ. Amount(USD):");
        EXPECT_EQ(child<QLabel>(window, "lblAmount").text(), "Amount(USD):");
        closeEntry(window);
    });
    EXPECT_TRUE(recorder.errors.empty());
}

TEST_F(EntryWindowQtTest, aCustomerWhoOwesNothingLeavesTheListsEmptyInHisOwnCurrency) {
    runFromNew([](QWidget& window) {
        chooseItem(child<QComboBox>(window, "cboCustomer"), QStringLiteral("Reef Traders"));
        EXPECT_EQ(child<QTreeView>(window, "lvwInvoice").model()->rowCount(), 0);
        EXPECT_EQ(child<QTreeView>(window, "lvwOpeningInvoices").model()->rowCount(), 0);
        EXPECT_EQ(child<QComboBox>(window, "cboCurrency").currentText(), "Maldivian Rufiyaa");
        EXPECT_EQ(child<QLabel>(window, "lblAmount").text(), "Amount(MVR):");
        closeEntry(window);
    });
}

TEST_F(EntryWindowQtTest, ctrlEnterOnTheRegisterGridOpensTheEntryWindow) {
    runEntry(
        [](QWidget& window) {
            auto& grid = child<QTableView>(window, "flexMaster");
            grid.setFocus();
            QTest::keyClick(&grid, Qt::Key_Return, Qt::ControlModifier);
        },
        [](QWidget& window) {
            EXPECT_TRUE(window.isVisible());
            closeEntry(window);
        });
}

} // namespace
