// The register's windows in Qt (offscreen): clicks, keys and typing reach the forms, their state the widgets.
#include "entry/frminvoiceentry.h"
#include "platform/qtview/formwindow.h"
#include "platform/qtview/qtbackend.h"
#include "receiptregister/frmcancelreason.h"
#include "receiptregister/frmmaster.h"
#include "shared/formhelpers.h"
#include "shared/windows.h"
#include "support/entrywindow.h"

#include <QApplication>
#include <QBrush>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeView>

namespace {

// Abc Ltd owes INV-11 (100, head office took 40) and OP-31 (2 x 45 less 10); Reef Traders' RC-2 is cancelled.
const char* const Rows[] = {
    "insert into acustomermaster (customerid, CompanyID, customername) values (2, 1, 'Reef Traders')",
    "insert into LosDummyReceiptHeader (drshopid, drid, drno, drdate, drcustomerid, dramount, drcancelled) "
    "values (1, 1, 'RC-1', '20240310', 1, 10, 0), (1, 2, 'RC-2', '20240310', 2, 20, 1), "
    "(1, 3, 'RC-3', '20240310', 1, 30, 0)",
    "insert into losinvoiceheader (ihshopid, ihinvoiceid, ihcompanyid, ihtype, ihinvoiceno, ihinvoicedate, "
    "ihcustomerid, ihnetamount, ihRemarks) values (1, 11, 1, 'I', 'INV-11', '20240301', 1, 100, 'Lunch')",
    "insert into receiptvoucherheader (companyid, receiptid, receiptno, CustomerID, cancelled) "
    "values (1, 1, 'HQ-1', 1, 0)",
    "insert into receiptvoucherdetails (companyid, receiptid, voucherline, shopid, amountreceived, "
    "posinvoiceid) values (1, 1, 1, 1, 40, 11)",
    "insert into AccountsInvoiceHeader (companyid, invoiceid, invoiceno, invoicedate, customerid, "
    "departmentid, FinancialID, discount, Referenceno) values (1, 31, 'OP-31', '20240215', 1, 1, 0, 10, "
    "'REF-9')",
    "insert into serviceinvoicedetails (companyid, invoiceid, serviceline, serviceqty, amount) "
    "values (1, 31, 1, 2, 45)",
};

template <class W> W& child(const QWidget& window, const char* name) {
    W* widget = window.findChild<W*>(QLatin1String(name));
    if (!widget) qFatal("no widget %s", name);
    return *widget;
}

// Gives the widget the focus and presses the key on it.
void press(QWidget& widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    widget.setFocus();
    QTest::keyClick(&widget, key, modifiers);
}

QStringList modelRow(const QAbstractItemModel& model, int row) {
    QStringList cells;
    for (int column = 0; column < model.columnCount(); ++column)
        cells << model.data(model.index(row, column)).toString();
    return cells;
}

class WindowsQtTest : public testing_support::EntryWindowTest {
protected:
    void SetUp() override {
        for (const char* row : Rows)
            sql(QString::fromLatin1(row));
        forms::Runtime::setBackend(&backend);
    }

    // Runs `act` once the form's window is up; a window `act` leaves open fails the test and is closed.
    void whenShown(forms::Form& form, std::function<void(QWidget&)> act) {
        QTimer::singleShot(10, &pending, [this, &form, act] {
            QWidget* window = backend.windowOf(form);
            if (!window) return whenShown(form, act);
            act(*window);
            if (!form.isLoaded()) return;
            ADD_FAILURE() << qPrintable(form.name()) << " stayed open";
            form.unload();
        });
    }

    // Answers the next message box with `button`; keeps its title, icon (1 information, 4 question) and text.
    void answerNextMessage(QMessageBox::StandardButton button) {
        QTimer::singleShot(10, &pending, [this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return answerNextMessage(button);
            messages << QStringLiteral("%1/%2/%3").arg(box->windowTitle()).arg(box->icon()).arg(box->text());
            box->button(button)->click();
        });
    }

    // How many windows of the form open while `act` runs; `close` closes each once it is up.
    int openingsDuring(forms::Form& form, const std::function<void(QWidget&)>& close,
                       const std::function<void()>& act) {
        int openings = 0;
        QPointer<QWidget> closing;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            QWidget* window = backend.windowOf(form);
            if (!window || !window->isVisible() || window == closing) return;
            ++openings;
            close(*(closing = window));
        });
        closer.start(5);
        act();
        return openings;
    }

    // Shows the register, runs `act` in its window, then closes it with its Close button.
    void inRegister(std::function<void(QWidget&)> act) {
        bool shown = false;
        whenShown(component.frmMaster(), [&shown, act](QWidget& window) {
            shown = true;
            act(window);
            QTest::mouseClick(&child<QPushButton>(window, "CmdClose"), Qt::LeftButton);
        });
        component.Show();
        EXPECT_TRUE(shown);
        EXPECT_TRUE(ui.errors.empty());
    }

    qtview::QtBackend backend;
    QStringList messages;
    QObject pending; // the checks still waiting for a window end with the test
};

TEST_F(WindowsQtTest, registerGridShowsTheRowsAndTakesClicksAndTheSortChoice) {
    inRegister([](QWidget& window) {
        auto& view = child<QTableView>(window, "flexMaster");
        const QAbstractItemModel& model = *view.model();
        ASSERT_EQ(model.rowCount(), 3);
        EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Receipt No");
        EXPECT_EQ(modelRow(model, 1).mid(1),
                  QStringList({"RC-2", "10/03/2024", "Reef Traders", "20", "Yes"}));
        EXPECT_TRUE(view.isColumnHidden(0) || view.columnWidth(0) == 0);
        EXPECT_EQ(model.data(model.index(1, 3), Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
        EXPECT_NE(model.data(model.index(0, 3), Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
        auto clickCell = [&view](int row) {
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                              view.visualRect(view.model()->index(row, 1)).center());
        };
        auto& del = child<QPushButton>(window, "CmdDelete");
        clickCell(1);
        EXPECT_FALSE(del.isEnabled());
        clickCell(0);
        EXPECT_TRUE(del.isEnabled());
        auto& columns = child<QComboBox>(window, "cboColNames");
        emit columns.activated(columns.findText(QStringLiteral("Customer")));
        EXPECT_EQ(model.data(model.index(1, 3)).toString(), "Abc Ltd");
        EXPECT_EQ(model.data(model.index(2, 3)).toString(), "Reef Traders");
    });
}

// A wide window's last column takes the room the others, at their own widths, leave; at the window's smallest
// the search box keeps a usable width.
TEST_F(WindowsQtTest, registerGridsLastColumnFillsAWideWindow) {
    inRegister([this](QWidget& window) {
        auto& view = child<QTableView>(window, "flexMaster");
        const forms::Grid& grid = component.frmMaster().flexMaster;
        const int last = grid.cols() - 1, lastWidth = grid.colWidth(last);
        window.resize(1300, 600);
        QApplication::processEvents();
        EXPECT_EQ(view.columnViewportPosition(last) + view.columnWidth(last), view.viewport()->width());
        for (int col = 1; col < last; ++col)
            EXPECT_EQ(view.columnWidth(col), grid.colWidth(col) / forms::TwipsPerPixel) << col;
        EXPECT_EQ(grid.colWidth(last), lastWidth);
        window.resize(window.minimumSize());
        QApplication::processEvents();
        EXPECT_GE(child<QLineEdit>(window, "txtsearch").width(), 120);
    });
}

TEST_F(WindowsQtTest, ctrlEnterOpensTheEntryWindowWhoseCustomerChoiceFillsTheLists) {
    bool inspected = false;
    whenShown(shared::windows().get<entry::frmReceiptShop>(), [&](QWidget& window) {
        auto& customers = child<QComboBox>(window, "cboCustomer");
        customers.setCurrentIndex(0);
        emit customers.activated(0);
        QApplication::processEvents();
        EXPECT_EQ(child<QLabel>(window, "lblAmount").text(), "Amount(MVR):");
        const QAbstractItemModel& shop = *child<QTreeView>(window, "lvwInvoice").model();
        ASSERT_EQ(shop.rowCount(), 1);
        EXPECT_EQ(modelRow(shop, 0), QStringList({"1", "Sales Invoice", "INV-11", "01/03/2024", "60.00",
                                                  "0.00", "11", "Lunch"}));
        EXPECT_EQ(shop.headerData(5, Qt::Horizontal).toString(), "Settlement(MVR)");
        const QAbstractItemModel& opening = *child<QTreeView>(window, "lvwOpeningInvoices").model();
        ASSERT_EQ(opening.rowCount(), 1);
        EXPECT_EQ(modelRow(opening, 0), QStringList({"1", "Opening Invoice", "OP-31", "REF-9", "15/02/2024",
                                                     "80.00", "0.00", "31"}));
        inspected = true;
        answerNextMessage(QMessageBox::No);
        QTest::mouseClick(&child<QPushButton>(window, "cmdCancel"), Qt::LeftButton);
    });
    inRegister([](QWidget& window) {
        QTest::keyClick(&child<QTableView>(window, "flexMaster"), Qt::Key_Return, Qt::ControlModifier);
    });
    EXPECT_TRUE(inspected);
}

TEST_F(WindowsQtTest, reasonDialogTakesTheTypedReasonAndMovesTheFocus) {
    auto& dialog = shared::windows().get<receiptregister::frmcancelreason>();
    whenShown(dialog, [this, &dialog](QWidget& window) {
        auto& reason = child<QLineEdit>(window, "txtcanreason");
        auto& ok = child<QPushButton>(window, "cmdok");
        EXPECT_EQ(window.windowTitle(), "Reason for deletion"); // renamed as it shows
        QTest::keyClicks(&reason, QStringLiteral("  "));
        EXPECT_FALSE(ok.isEnabled());
        // The apostrophe is swallowed: the reason goes between quotes in the cancellation's statement.
        QTest::keyClicks(&reason, QStringLiteral("it's"));
        EXPECT_EQ(dialog.txtcanreason.text(), "  its");
        EXPECT_EQ(reason.text(), "  its");
        EXPECT_TRUE(ok.isEnabled());
        QTest::keyClick(&reason, Qt::Key_Return);
        EXPECT_EQ(window.focusWidget(), &ok);
        // OK on a reason emptied since asks for one and puts the focus back into it.
        reason.selectAll();
        reason.cut();
        answerNextMessage(QMessageBox::Ok);
        QTest::mouseClick(&ok, Qt::LeftButton);
        EXPECT_EQ(window.focusWidget(), &reason);
        QTest::keyClicks(&reason, QStringLiteral("  Typo"));
        QTest::mouseClick(&ok, Qt::LeftButton);
    });
    inRegister([this](QWidget& window) {
        answerNextMessage(QMessageBox::Yes);
        QTest::mouseClick(&child<QPushButton>(window, "CmdDelete"), Qt::LeftButton);
    });
    EXPECT_EQ(messages, QStringList({"Shop/4/Are you sure you want to Delete the entry of - RC-3 ?",
                                     "Shop/1/Enter reason for deletion"}));
    EXPECT_EQ(database.scalar(
                  QStringLiteral("select drCancelledRemarks from LosDummyReceiptHeader where drid = 3")),
              "  Typo");
}

// Ctrl+Enter opens one entry window and F10 there one settle dialog, on the first document when none is
// selected, whichever control has the focus; Escape closes the dialog.
TEST_F(WindowsQtTest, ctrlEnterAndF10OpenOneWindowWhicheverControlHasTheFocus) {
    auto& entryWindow = shared::windows().get<entry::frmReceiptShop>();
    auto& dialog = shared::windows().get<entry::frmInvoiceEntry>();
    QStringList shown;
    auto closeDialog = [&](QWidget& window) {
        shown << child<QLineEdit>(window, "txtInvNo").text();
        press(child<QLineEdit>(window, "txtSettleAmt"), Qt::Key_Escape);
        if (!dialog.isLoaded()) return;
        ADD_FAILURE() << "Escape left the settle dialog open";
        dialog.unload();
    };
    auto settleByKey = [&](QWidget& window) {
        auto& customers = child<QComboBox>(window, "cboCustomer");
        customers.setCurrentIndex(0);
        emit customers.activated(0);
        for (const char* focus : {"lvwInvoice", "OptSettlement", "cboCustomer"})
            EXPECT_EQ(openingsDuring(dialog, closeDialog,
                                     [&] { press(child<QWidget>(window, focus), Qt::Key_F10); }),
                      1)
                << focus;
    };
    int entries = 0;
    auto closeEntry = [&](QWidget& window) {
        if (entries++ == 0) {
            settleByKey(window);
            answerNextMessage(QMessageBox::No); // the listed documents are a change
        }
        QTest::mouseClick(&child<QPushButton>(window, "cmdCancel"), Qt::LeftButton);
    };
    inRegister([&](QWidget& window) {
        for (const char* focus : {"cboColNames", "optAscend", "CmdClose"})
            EXPECT_EQ(openingsDuring(
                          entryWindow, closeEntry,
                          [&] { press(child<QWidget>(window, focus), Qt::Key_Return, Qt::ControlModifier); }),
                      1)
                << focus;
    });
    EXPECT_EQ(shown, QStringList({"INV-11", "INV-11", "INV-11"}));
    EXPECT_FALSE(dialog.isLoaded());
}

// Delete pressed with Enter: the disabled button gives the focus back to the grid, so that further Enters
// cannot reach Post Ledgers.
TEST_F(WindowsQtTest, deleteByKeyboardGivesTheFocusBackToTheGrid) {
    whenShown(shared::windows().get<receiptregister::frmcancelreason>(), [](QWidget& window) {
        auto& reason = child<QLineEdit>(window, "txtcanreason");
        QTest::keyClicks(&reason, QStringLiteral("Typo"));
        QTest::keyClick(&reason, Qt::Key_Return);
        QTest::keyClick(window.focusWidget(), Qt::Key_Return);
    });
    inRegister([this](QWidget& window) {
        auto& del = child<QPushButton>(window, "CmdDelete");
        answerNextMessage(QMessageBox::Yes);
        press(del, Qt::Key_Return);
        EXPECT_FALSE(del.isEnabled());
        EXPECT_EQ(window.focusWidget(), &child<QTableView>(window, "flexMaster"));
        EXPECT_EQ(component.frmMaster().activeControl(), &component.frmMaster().flexMaster);
    });
    EXPECT_EQ(database.scalar(QStringLiteral("select drcancelled from LosDummyReceiptHeader where drid = 3")),
              "1");
}

// A receipt saved into a register longer than its window: the grid scrolls so that its row, the current one,
// is in view.
TEST_F(WindowsQtTest, gridScrollsToTheRowOfASavedReceipt) {
    sql("insert into LosDummyReceiptHeader (drshopid, drid, drno, drdate, drcustomerid, dramount, "
        "drcancelled) "
        "with recursive n(i) as (select 4 union all select i + 1 from n where i < 61) "
        "select 1, i, 'RC-' || i, '20240310', 1, i, 0 from n");
    inRegister([this](QWidget& window) {
        auto& view = child<QTableView>(window, "flexMaster");
        QApplication::processEvents();
        sql("insert into LosDummyReceiptHeader (drshopid, drid, drno, drdate, drcustomerid, dramount, "
            "drcancelled) values (1, 62, 'RC-62', '20240310', 1, 62, 0)");
        shared::session().EntryMode = QStringLiteral("N");
        shared::UpdateEditedRow(QStringLiteral("drid=62"), 62);
        QApplication::processEvents();
        const QRect row = view.visualRect(view.model()->index(view.model()->rowCount() - 1, 1));
        EXPECT_TRUE(view.viewport()->rect().contains(row)) << row.top() << " " << view.viewport()->height();
    });
}

} // namespace
