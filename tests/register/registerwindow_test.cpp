// The register in a real Qt window (offscreen): bound to its form, rows, colours, clicks and close.
#include "module/clsreceiptsshop.h"
#include "platform/qt/formwindow.h"
#include "platform/qt/qtbackend.h"
#include "register/frmmaster.h"
#include "support/recordingbackend.h"
#include "support/testdatabase.h"

#include <QApplication>
#include <QBrush>
#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class RegisterWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        database.execute(QStringLiteral("insert into ashops (shopid, companyid, futureint) values (1, 1, 0)"));
        database.execute(QStringLiteral("insert into acustomermaster (customerid, customername) values (3, 'Ali'), "
                                        "(4, 'Hawwa')"));
        addReceipt(1, "RC-1", 3, 0);
        addReceipt(2, "RC-2", 4, 1);
        addReceipt(3, "RC-3", 3, 0);
        forms::Runtime::setBackend(&backend);
        component.setAdocon(database.connection());
        component.intCompanyID = 1;
        component.intShopID = 1;
        component.intUserID = 1;
        component.dtProcessDate = QDateTime(QDate::currentDate(), QTime(0, 0));
    }
    void TearDown() override { forms::Runtime::setBackend(nullptr); }

    void addReceipt(int id, const char* number, int customer, int cancelled) {
        database.execute(QStringLiteral("insert into LosDummyReceiptHeader (drshopid, drid, drno, drdate, "
                                        "drcustomerid, dramount, drcancelled) values (1, %1, '%2', getdate(), %3, "
                                        "10, %4)")
                             .arg(id)
                             .arg(QLatin1String(number))
                             .arg(customer)
                             .arg(cancelled));
    }

    // Shows the register; `inspect` runs once its window is up, then the register is closed.
    void showRegister(const std::function<void(QWidget&)>& inspect) {
        bool inspected = false;
        QTimer::singleShot(0, [&] {
            QWidget* window = backend.windowOf(component.frmMaster());
            ASSERT_NE(window, nullptr);
            inspect(*window);
            inspected = true;
            QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("CmdClose")), Qt::LeftButton);
        });
        component.Show();
        EXPECT_TRUE(inspected);
        EXPECT_FALSE(component.frmMaster().isLoaded());
    }

    static QModelIndex cellIndex(QTableView& view, int gridRow, int col) {
        return view.model()->index(gridRow - 1, col);
    }

    testing_support::TestDatabase database;
    testing_support::RecordingBackend recorder;
    qtview::QtBackend backend;
    module::clsReceiptsShop component;
};

TEST_F(RegisterWindowTest, windowShowsTheReceiptsWithHeadersAndRedCancelledRows) {
    showRegister([](QWidget& window) {
        EXPECT_EQ(window.windowTitle(), "Receipts");
        auto* view = window.findChild<QTableView*>(QStringLiteral("flexMaster"));
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(view->model()->rowCount(), 3);
        EXPECT_EQ(view->model()->headerData(1, Qt::Horizontal).toString(), "Receipt No");
        EXPECT_EQ(view->model()->data(cellIndex(*view, 2, 1)).toString(), "RC-2");
        EXPECT_TRUE(view->isColumnHidden(0) || view->columnWidth(0) == 0);
        const QColor cancelled = view->model()->data(cellIndex(*view, 2, 3), Qt::ForegroundRole).value<QBrush>().color();
        EXPECT_EQ(cancelled, QColor(Qt::red));
        const QVariant active = view->model()->data(cellIndex(*view, 1, 3), Qt::ForegroundRole);
        EXPECT_NE(active.value<QBrush>().color(), QColor(Qt::red));
    });
}

TEST_F(RegisterWindowTest, cellClickReachesTheCellEntryHandling) {
    showRegister([this](QWidget& window) {
        auto* view = window.findChild<QTableView*>(QStringLiteral("flexMaster"));
        auto* del = window.findChild<QPushButton*>(QStringLiteral("CmdDelete"));
        ASSERT_TRUE(view && del);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(cellIndex(*view, 2, 1)).center());
        EXPECT_EQ(component.frmMaster().flexMaster.row(), 2);
        EXPECT_FALSE(del->isEnabled());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(cellIndex(*view, 1, 1)).center());
        EXPECT_EQ(component.frmMaster().flexMaster.row(), 1);
        EXPECT_TRUE(del->isEnabled());
    });
}

TEST_F(RegisterWindowTest, choosingASortColumnReordersTheView) {
    showRegister([](QWidget& window) {
        auto* view = window.findChild<QTableView*>(QStringLiteral("flexMaster"));
        auto* columns = window.findChild<QComboBox*>(QStringLiteral("cboColNames"));
        ASSERT_TRUE(view && columns);
        const int customer = columns->findText(QStringLiteral("Customer"));
        ASSERT_GE(customer, 0);
        columns->activated(customer);
        QApplication::processEvents();
        EXPECT_EQ(view->model()->data(view->model()->index(0, 3)).toString(), "Ali");
        EXPECT_EQ(view->model()->data(view->model()->index(2, 3)).toString(), "Hawwa");
    });
}

} // namespace
