// The grid: shape, cells and colours, current cell and selection, properties and sorting.
#include "formstestsupport.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"

#include <chrono>

using namespace forms;
using forms::test::failure;

namespace {

struct GridForm : Form {
    GridForm() : Form("frmGrid", "Grid") {}
    Grid flex{*this, "flex"};

    // Data rows from the given lines, one tab-separated line a row, below a header row.
    void fill(const QStringList& lines) {
        flex.setRows(1);
        for (const QString& line : lines)
            flex.addItem(line);
    }
    QStringList column(int col) const {
        QStringList texts;
        for (int row = flex.fixedRows(); row < flex.rows(); ++row)
            texts << flex.textMatrix(row, col);
        return texts;
    }
    // Selects the data rows from..to and the key columns, then sorts.
    void sortRange(int code, int fromRow, int toRow, int fromCol, int toCol) {
        flex.setRow(fromRow);
        flex.setCol(fromCol);
        flex.setRowSel(toRow);
        flex.setColSel(toCol);
        flex.sort(code);
    }
};

} // namespace

TEST(GridShape, startsWithTwoRowsAndColumnsAndDefaultWidths) {
    GridForm form;
    EXPECT_EQ(form.flex.rows(), 2);
    EXPECT_EQ(form.flex.cols(), 2);
    EXPECT_EQ(form.flex.fixedRows(), 1);
    EXPECT_EQ(form.flex.row(), 1);
    EXPECT_EQ(form.flex.colWidth(1), 960);
}

TEST(GridShape, resizingKeepsTheCellsThatRemain) {
    GridForm form;
    form.flex.setCols(3);
    form.flex.setTextMatrix(1, 2, "kept");
    form.flex.setColWidth(2, 2500);
    form.flex.setRows(5);
    form.flex.setTextMatrix(4, 0, "last");
    form.flex.setCols(4);
    EXPECT_EQ(form.flex.textMatrix(1, 2), "kept");
    EXPECT_EQ(form.flex.textMatrix(4, 0), "last");
    EXPECT_EQ(form.flex.colWidth(2), 2500);
    EXPECT_EQ(form.flex.colWidth(3), 960);
    form.flex.setRow(4);
    form.flex.setRows(3);
    EXPECT_EQ(form.flex.row(), 2);
    EXPECT_EQ(failure([&] { form.flex.textMatrix(3, 0); }, rt::err::SubscriptOutOfRange),
              "Subscript out of range");
    EXPECT_FALSE(failure([&] { form.flex.setRows(0); }, 380).isEmpty());
}

TEST(GridCells, currentCellTextAndColourFollowRowAndCol) {
    GridForm form;
    form.flex.setRows(3);
    form.flex.setRow(2);
    form.flex.setCol(1);
    form.flex.setText("here");
    form.flex.setCellForeColor(ColorRed);
    EXPECT_EQ(form.flex.textMatrix(2, 1), "here");
    EXPECT_EQ(form.flex.cellForeColorAt(2, 1), ColorRed);
    EXPECT_EQ(form.flex.cellForeColorAt(1, 1), 0);
    form.flex.clear();
    EXPECT_EQ(form.flex.textMatrix(2, 1), "");
    EXPECT_EQ(form.flex.cellForeColorAt(2, 1), 0);
    EXPECT_EQ(form.flex.rows(), 3);
}

TEST(GridCells, addItemAppendsARowFromTabSeparatedText) {
    GridForm form;
    form.flex.setCols(3);
    form.flex.addItem("7\tR-7\tbeyond\textra");
    EXPECT_EQ(form.flex.rows(), 3);
    EXPECT_EQ(form.flex.textMatrix(2, 0), "7");
    EXPECT_EQ(form.flex.textMatrix(2, 2), "beyond");
    form.flex.addItem("8");
    EXPECT_EQ(form.flex.textMatrix(3, 1), "");
}

TEST(GridSelection, settingRowOrColCollapsesTheSelection) {
    GridForm form;
    form.fill({"a", "b", "c", "d"});
    form.flex.setCols(4);
    form.flex.setRow(1);
    form.flex.setRowSel(3);
    form.flex.setColSel(3);
    form.flex.setCol(2);
    EXPECT_EQ(form.flex.rowSel(), 1);
    EXPECT_EQ(form.flex.colSel(), 2);
    form.flex.setColSel(3);
    form.flex.setRow(4);
    EXPECT_EQ(form.flex.rowSel(), 4);
    EXPECT_EQ(form.flex.colSel(), 2);
}

TEST(GridProperty, printsScenarioTexts) {
    GridForm form;
    form.fill({"1\tfirst"});
    form.flex.setRow(1);
    form.flex.setCol(1);
    form.flex.setTopRow(1);
    form.flex.setCellForeColor(ColorRed);
    form.flex.setForeColorSel(SystemHighlightText);
    form.flex.setColWidth(0, 0);
    EXPECT_EQ(form.flex.property("rows"), "2");
    EXPECT_EQ(form.flex.property("cell", {1, 1}), "first");
    EXPECT_EQ(form.flex.property("text"), "first");
    EXPECT_EQ(form.flex.property("cellcolor", {1, 1}), "255");
    EXPECT_EQ(form.flex.property("selcolor"), "2147483662");
    EXPECT_EQ(form.flex.property("colwidth", {0}), "0");
    EXPECT_EQ(form.flex.property("toprow"), "1");
    EXPECT_EQ(form.flex.property("rowsel"), "1");
    EXPECT_TRUE(form.flex.dump().contains("cellcolor(1,1)=255"));
    EXPECT_TRUE(form.flex.dump().contains("cell(1,0)=1"));
    EXPECT_FALSE(form.flex.dump().contains("cell(0,0)="));
}

TEST(GridSort, genericComparesNumbersAsNumbersAndTextWithoutCase) {
    GridForm form;
    form.fill({"10", "9", "b", "100", "A", "2.5"});
    form.sortRange(SortGenericAscending, 1, 1, 0, 0);
    EXPECT_EQ(form.column(0), QStringList({"2.5", "9", "10", "100", "A", "b"}));
    form.sortRange(SortGenericDescending, 1, 1, 0, 0);
    EXPECT_EQ(form.column(0), QStringList({"b", "A", "100", "10", "9", "2.5"}));
}

TEST(GridSort, stringSortsRegardCaseAndCompareNumbersAsText) {
    GridForm form;
    form.fill({"b", "B", "10", "a", "9", "A"});
    form.sortRange(SortStringAscending, 1, 1, 0, 0);
    EXPECT_EQ(form.column(0), QStringList({"10", "9", "A", "B", "a", "b"}));
    form.sortRange(SortStringDescending, 1, 1, 0, 0);
    EXPECT_EQ(form.column(0), QStringList({"b", "a", "B", "A", "9", "10"}));
}

TEST(GridSort, isStableAndUsesKeyColumnsLeftToRight) {
    GridForm form;
    form.flex.setCols(3);
    form.fill({"x\t2\t1", "y\t1\t2", "x\t1\t3", "y\t1\t4", "x\t2\t5"});
    form.sortRange(SortGenericAscending, 1, 1, 0, 1);
    EXPECT_EQ(form.column(2), QStringList({"3", "1", "5", "2", "4"}));
    form.sortRange(SortGenericDescending, 1, 1, 0, 0);
    EXPECT_EQ(form.column(2), QStringList({"2", "4", "3", "1", "5"}));
}

TEST(GridSort, keepsTheOrderOfEqualKeysInLargeGrids) {
    GridForm form;
    QStringList lines;
    for (int i = 0; i < 500; ++i)
        lines << QStringLiteral("%1\t%2").arg((i * 37) % 5).arg(i, 3, 10, QLatin1Char('0'));
    form.fill(lines);
    form.sortRange(SortGenericDescending, 1, 1, 0, 0);
    for (int row = 2; row < form.flex.rows(); ++row) {
        if (form.flex.textMatrix(row, 0) != form.flex.textMatrix(row - 1, 0)) continue;
        ASSERT_LT(form.flex.textMatrix(row - 1, 1), form.flex.textMatrix(row, 1)) << row;
    }
    EXPECT_EQ(form.flex.textMatrix(1, 0), "4");
}

TEST(GridSort, aSelectedRowRangeSortsOnlyThoseRows) {
    GridForm form;
    form.fill({"5", "4", "3", "2", "1"});
    form.sortRange(SortGenericAscending, 4, 2, 0, 0);
    EXPECT_EQ(form.column(0), QStringList({"5", "2", "3", "4", "1"}));
}

TEST(GridSort, fixedRowsStayAndColoursMoveWithTheirRows) {
    GridForm form;
    form.fill({"b\tred", "a\tplain"});
    form.flex.setTextMatrix(0, 0, "header");
    form.flex.setRow(1);
    form.flex.setCol(1);
    form.flex.setCellForeColor(ColorRed);
    form.sortRange(SortStringAscending, 1, 1, 0, 0);
    EXPECT_EQ(form.flex.textMatrix(0, 0), "header");
    EXPECT_EQ(form.flex.textMatrix(2, 1), "red");
    EXPECT_EQ(form.flex.cellForeColorAt(2, 1), ColorRed);
    EXPECT_EQ(form.flex.cellForeColorAt(1, 1), 0);
}

TEST(GridSort, unknownSortCodesFail) {
    GridForm form;
    EXPECT_FALSE(failure([&] { form.flex.sort(3); }, 380).isEmpty());
}

TEST(GridSort, handlesAHundredThousandRowsQuickly) {
    GridForm form;
    constexpr int rowCount = 100000;
    auto start = std::chrono::steady_clock::now();
    form.flex.setCols(6);
    form.flex.setRows(rowCount + 1);
    for (int row = 1; row <= rowCount; ++row) {
        int key = (row * 7919) % rowCount;
        form.flex.setTextMatrix(row, 0, QString::number(key));
        form.flex.setTextMatrix(row, 1, QStringLiteral("R%1").arg(key % 977, 5, 10, QLatin1Char('0')));
        form.flex.setTextMatrix(row, 2, QStringLiteral("2024/03/%1").arg(key % 28 + 1));
        form.flex.setTextMatrix(row, 3, QStringLiteral("Customer %1").arg(key % 1000));
        form.flex.setTextMatrix(row, 4, QString::number(key * 1.25, 'f', 2));
        form.flex.setTextMatrix(row, 5, key % 3 ? QStringLiteral("No") : QStringLiteral("Yes"));
    }
    form.sortRange(SortGenericDescending, 1, 1, 0, 0);
    form.sortRange(SortStringAscending, 1, 1, 3, 3);
    form.sortRange(SortGenericAscending, 1, 1, 4, 4);
    auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 5.0);
    for (int row = 2; row <= rowCount; ++row)
        ASSERT_LE(form.flex.textMatrix(row - 1, 4).toDouble(), form.flex.textMatrix(row, 4).toDouble())
            << row;
}
