// A list view in report view on a tree view: columns, items, selection and the user's clicks.
#include "qtfixture.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QTest>
#include <QTreeView>

namespace qttest {
namespace {

class ListViewView : public QtFixture {
protected:
    void SetUp() override {
        QtFixture::SetUp();
        for (int item = 1; item <= 3; ++item) {
            form->lstItems.addItem(QStringLiteral("INV%1").arg(item));
            form->lstItems.setCell(item, 1, QStringLiteral("%1.00").arg(item * 10));
        }
        openWindow().resize(640, 480);
        settle();
    }
    QTreeView& view() { return widget<QTreeView>("lstItems"); }
    QAbstractItemModel& model() { return *view().model(); }
    QPoint itemCentre(int item) { return view().visualRect(model().index(item - 1, 0)).center(); }
};

TEST_F(ListViewView, showsItemsSubItemsAndHeaders) {
    ASSERT_EQ(model().rowCount(), 3);
    ASSERT_EQ(model().columnCount(), 2);
    EXPECT_EQ(model().index(1, 0).data().toString(), QStringLiteral("INV2"));
    EXPECT_EQ(model().index(2, 1).data().toString(), QStringLiteral("30.00"));
    EXPECT_EQ(model().headerData(1, Qt::Horizontal).toString(), QStringLiteral("Amount"));
}

TEST_F(ListViewView, cellToolTipsShowOverTheirCellOnly) {
    form->lstItems.setCellToolTip(2, 1, QStringLiteral("20.00 due"));
    settle();
    EXPECT_EQ(model().index(1, 1).data(Qt::ToolTipRole).toString(), QStringLiteral("20.00 due"));
    EXPECT_FALSE(model().index(1, 0).data(Qt::ToolTipRole).isValid());
    EXPECT_FALSE(model().index(0, 1).data(Qt::ToolTipRole).isValid());
}

TEST_F(ListViewView, columnWidthsAndAlignmentComeFromTheHeaders) {
    EXPECT_EQ(view().header()->sectionSize(0), 100);
    EXPECT_EQ(view().header()->sectionSize(1), 80);
    EXPECT_EQ(model().index(0, 1).data(Qt::TextAlignmentRole).toInt(),
              int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(model().index(0, 0).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));
    form->lstItems.setHeaderWidth(1, 3000);
    settle();
    EXPECT_EQ(view().header()->sectionSize(0), 200);
}

TEST_F(ListViewView, clickOnAnItemSelectsItAndRaisesItemClick) {
    QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, itemCentre(2));
    EXPECT_EQ(form->lstItems.selectedItem(), 2);
    EXPECT_TRUE(form->log.contains(QStringLiteral("lstItems_ItemClick 2")));
    settle();
    EXPECT_TRUE(view().selectionModel()->isRowSelected(1, {}));
}

TEST_F(ListViewView, doubleClickRaisesDblClick) {
    doubleClick(view().viewport(), itemCentre(3));
    EXPECT_TRUE(form->log.contains(QStringLiteral("lstItems_DblClick")));
    EXPECT_EQ(form->lstItems.selectedItem(), 3);
}

TEST_F(ListViewView, rightClickSelectsTheItemAndRaisesTheMouseEvents) {
    QContextMenuEvent menu(QContextMenuEvent::Mouse, itemCentre(1),
                           view().viewport()->mapToGlobal(itemCentre(1)));
    QApplication::sendEvent(view().viewport(), &menu);
    EXPECT_TRUE(form->log.contains(QStringLiteral("lstItems_RightClick 1")));
}

TEST_F(ListViewView, arrowKeysSelectTheNextItemAsAClickWould) {
    form->lstItems.setSelectedItem(1);
    QTest::keyClick(&view(), Qt::Key_Down);
    EXPECT_EQ(form->lstItems.selectedItem(), 2);
    EXPECT_TRUE(form->log.contains(QStringLiteral("lstItems_ItemClick 2")));
    QTest::keyClick(&view(), Qt::Key_End);
    EXPECT_EQ(form->lstItems.selectedItem(), 3);
    QTest::keyClick(&view(), Qt::Key_Down);
    EXPECT_EQ(form->lstItems.selectedItem(), 3);
    EXPECT_EQ(form->log.filter(QStringLiteral("ItemClick")).size(), 2);
    QTest::keyClick(&view(), Qt::Key_Home);
    EXPECT_EQ(form->lstItems.selectedItem(), 1);
}

TEST_F(ListViewView, clearingLeavesNoItemsAndNoSelection) {
    form->lstItems.setSelectedItem(2);
    settle();
    EXPECT_TRUE(view().selectionModel()->hasSelection());
    form->lstItems.clear();
    settle();
    EXPECT_EQ(model().rowCount(), 0);
    EXPECT_FALSE(view().selectionModel()->hasSelection());
}

} // namespace
} // namespace qttest
