// The register's window in Qt (offscreen): its grid's layout in a wide window and its scrolling. What the
// user does in the windows is played through them by the scenarios on the screen.
#include "platform/qtview/formwindow.h"
#include "platform/qtview/qtbackend.h"
#include "receiptregister/frmmaster.h"
#include "shared/formhelpers.h"
#include "shared/windows.h"
#include "support/entrywindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

template <class W> W& child(const QWidget& window, const char* name) {
    W* widget = window.findChild<W*>(QLatin1String(name));
    if (!widget) qFatal("no widget %s", name);
    return *widget;
}

class WindowsQtTest : public testing_support::EntryWindowTest {
protected:
    void SetUp() override {
        sql("insert into LosDummyReceiptHeader (drshopid, drid, drno, drdate, drcustomerid, dramount, "
            "drcancelled) values (1, 1, 'RC-1', '20240310', 1, 10, 0), (1, 2, 'RC-2', '20240310', 1, 20, 1), "
            "(1, 3, 'RC-3', '20240310', 1, 30, 0)");
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
    QObject pending; // the checks still waiting for a window end with the test
};

// A wide window's last column takes the room the others, at their own widths, leave; at the window's smallest
// the search box keeps a usable width.
TEST_F(WindowsQtTest, registerGridsLastColumnFillsAWideWindow) {
    inRegister([this](QWidget& window) {
        auto& view = child<QTableView>(window, "flexMaster");
        const forms::Grid& grid = component.frmMaster().grid();
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
