// A grid of 100,000 rows on a table view: model, colours, widths, mouse, keys and refreshes.
#include "qtfixture.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace qttest {
namespace {

class GridView : public QtFixture {
protected:
    int gridRows() const override { return TestForm::LargeGrid; }
    void SetUp() override {
        QtFixture::SetUp();
        openWindow().resize(640, 480);
        settle();
    }
    QTableView& view() { return widget<QTableView>("flexList"); }
    QAbstractItemModel& model() { return *view().model(); }
    QPoint cellCentre(int modelRow, int col) {
        return view().visualRect(model().index(modelRow, col)).center();
    }
};

TEST_F(GridView, modelHasTheDataRowsWithTheFirstFixedRowAsHeader) {
    EXPECT_EQ(model().rowCount(), TestForm::LargeGrid);
    EXPECT_EQ(model().columnCount(), TestForm::GridCols);
    EXPECT_EQ(model().headerData(1, Qt::Horizontal).toString(), QStringLiteral("Head 1"));
    EXPECT_EQ(model().index(0, 1).data().toString(), QStringLiteral("R1"));
    EXPECT_EQ(model().index(TestForm::LargeGrid - 1, 2).data().toString(), QStringLiteral("1000000"));
    EXPECT_TRUE(view().horizontalHeader()->isVisible());
}

TEST_F(GridView, cellTextColourComesFromTheCellsForeColour) {
    const QColor red(255, 0, 0);
    EXPECT_EQ(model().index(0, 1).data(Qt::ForegroundRole).value<QColor>(), red);
    EXPECT_EQ(model().index(6, 1).data(Qt::ForegroundRole).value<QColor>(), red);
    EXPECT_EQ(model().index(TestForm::LargeGrid - 1, 1).data(Qt::ForegroundRole).value<QColor>(), red);
    EXPECT_FALSE(model().index(1, 1).data(Qt::ForegroundRole).isValid());
    EXPECT_FALSE(model().index(0, 2).data(Qt::ForegroundRole).isValid());
}

TEST_F(GridView, numbersAlignRightAndTextsLeft) {
    EXPECT_EQ(model().index(0, 2).data(Qt::TextAlignmentRole).toInt(),
              int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(model().index(0, 1).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));
}

TEST_F(GridView, columnWidthsAreTwipsOverFifteenAndZeroHidesTheColumn) {
    EXPECT_EQ(view().columnWidth(0), 20);
    EXPECT_EQ(view().columnWidth(1), 64);
    EXPECT_TRUE(view().isColumnHidden(5));
    form->flexList.setColWidth(5, 1500);
    settle();
    EXPECT_FALSE(view().isColumnHidden(5));
    EXPECT_EQ(view().columnWidth(5), 100);
}

TEST_F(GridView, columnResizedByTheUserReachesTheGrid) {
    view().horizontalHeader()->resizeSection(2, 90);
    EXPECT_EQ(form->flexList.colWidth(2), 1350);
}

TEST_F(GridView, selectedTextTakesTheGridsSelectionColour) {
    form->flexList.setForeColorSel(forms::ColorCyan);
    settle();
    EXPECT_EQ(view().palette().color(QPalette::HighlightedText), QColor(0, 255, 255));
}

TEST_F(GridView, clickOnACellRaisesEnterCellAndClickAndMovesTheSelection) {
    form->log.clear();
    QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, cellCentre(2, 1));
    EXPECT_TRUE(form->log.contains(QStringLiteral("flexList_EnterCell 3 1")));
    EXPECT_TRUE(form->log.contains(QStringLiteral("flexList_Click")));
    settle();
    EXPECT_EQ(view().currentIndex(), model().index(2, 1));
    EXPECT_TRUE(view().selectionModel()->isSelected(model().index(2, 1)));
    EXPECT_FALSE(view().selectionModel()->isSelected(model().index(0, 1)));
}

TEST_F(GridView, clickOnAFixedColumnCellIsRefusedByTheRuntime) {
    form->log.clear();
    QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, cellCentre(2, 0));
    EXPECT_FALSE(form->log.contains(QStringLiteral("flexList_Click")));
    EXPECT_EQ(form->flexList.row(), 1);
}

TEST_F(GridView, doubleClickRaisesDblClickForTheRow) {
    doubleClick(view().viewport(), cellCentre(4, 2));
    EXPECT_TRUE(form->log.contains(QStringLiteral("flexList_DblClick 5")));
}

TEST_F(GridView, draggingOverRowsSelectsThem) {
    QTest::mousePress(view().viewport(), Qt::LeftButton, {}, cellCentre(1, 1));
    QTest::mouseRelease(view().viewport(), Qt::LeftButton, {}, cellCentre(4, 1));
    EXPECT_EQ(form->flexList.row(), 2);
    EXPECT_EQ(form->flexList.rowSel(), 5);
    EXPECT_TRUE(form->log.contains(QStringLiteral("flexList_SelChange 2 5")));
    settle();
    EXPECT_TRUE(view().selectionModel()->isSelected(model().index(3, 1)));
}

TEST_F(GridView, headerClickReachesTheHandlerWithTheColumn) {
    QHeaderView& header = *view().horizontalHeader();
    QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                      QPoint(header.sectionViewportPosition(2) + 5, header.height() / 2));
    EXPECT_TRUE(form->log.contains(QStringLiteral("flexList_HeaderClick 2")));
}

TEST_F(GridView, pointerOverACellShowsTheToolTipTheMouseMoveHandlerSet) {
    QMouseEvent move(QEvent::MouseMove, cellCentre(3, 2), view().viewport()->mapToGlobal(cellCentre(3, 2)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view().viewport(), &move);
    EXPECT_EQ(form->flexList.mouseRow(), 4);
    EXPECT_EQ(form->flexList.toolTipText(), QStringLiteral("Cell 4,2"));
    EXPECT_EQ(model().index(3, 2).data(Qt::ToolTipRole).toString(), QStringLiteral("Cell 4,2"));
}

TEST_F(GridView, arrowKeysMoveTheCurrentCellWithoutClick) {
    form->log.clear();
    QTest::keyClick(&view(), Qt::Key_Down);
    QTest::keyClick(&view(), Qt::Key_Right);
    EXPECT_EQ(form->flexList.row(), 2);
    EXPECT_EQ(form->flexList.col(), 2);
    EXPECT_TRUE(form->log.contains(QStringLiteral("flexList_EnterCell 2 1")));
    EXPECT_FALSE(form->log.contains(QStringLiteral("flexList_Click")));
    QTest::keyClick(&view(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(form->flexList.row(), 2);
    EXPECT_EQ(form->flexList.rowSel(), 3);
}

TEST_F(GridView, keyboardMovePastTheBottomScrollsAndTheTopRowFollows) {
    QTest::keyClick(&view(), Qt::Key_End, Qt::ControlModifier);
    settle();
    EXPECT_EQ(form->flexList.row(), TestForm::LargeGrid);
    EXPECT_GT(form->flexList.topRow(), TestForm::LargeGrid - 100);
}

TEST_F(GridView, manyCellChangesMakeOneRefreshAndOnlyShapeChangesReset) {
    settle();
    QSignalSpy changed(&model(), &QAbstractItemModel::dataChanged);
    QSignalSpy reset(&model(), &QAbstractItemModel::modelReset);
    for (int row = 1; row <= 1000; ++row)
        form->flexList.setTextMatrix(row, 3, QStringLiteral("x"));
    settle();
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(reset.count(), 0);
    EXPECT_EQ(model().index(999, 3).data().toString(), QStringLiteral("x"));
    form->flexList.addItem(QStringLiteral("\tNew row"));
    form->flexList.setTextMatrix(TestForm::LargeGrid + 1, 2, QStringLiteral("5"));
    settle();
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(model().rowCount(), TestForm::LargeGrid + 1);
}

TEST_F(GridView, topRowSetByCodeScrollsAndScrollingReachesTheGrid) {
    form->flexList.setTopRow(50000);
    settle();
    EXPECT_EQ(view().rowAt(0), 49999);
    view().verticalScrollBar()->setValue(700);
    EXPECT_EQ(form->flexList.topRow(), 701);
}

TEST_F(GridView, largeGridHasNoWidgetPerCellAndScrollsQuickly) {
    EXPECT_LT(view().findChildren<QWidget*>().size(), 30);
    EXPECT_EQ(view().verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    QElapsedTimer timer;
    timer.start();
    for (int step = 0; step < 200; ++step) {
        view().verticalScrollBar()->setValue(step * 499);
        view().viewport()->repaint();
    }
    EXPECT_LT(timer.elapsed(), 5000);
}

} // namespace
} // namespace qttest
