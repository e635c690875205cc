// User actions: what each raises and in which order, and the actions a user cannot do.
#include "formstestsupport.h"
#include "platform/forms/combobox.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/forms/listview.h"
#include "platform/forms/othercontrols.h"
#include "platform/forms/textcontrols.h"
#include "platform/forms/userinput.h"

using namespace forms;
using forms::test::BackendScope;
using forms::test::EventLog;
using forms::test::failure;

namespace {

struct ActionsForm : Form {
    ActionsForm() : Form("frmX", "Actions") {
        for (const char* text : {"first", "second"})
            cboPick.addItem(text);
        for (const char* text : {"one", "two", "three"})
            lvwList.addItem(text);
        flexGrid.setRows(4);
        flexGrid.setCols(3);
        load();
    }
    EventLog log;
    CommandButton cmdok{*this, "cmdok"};
    Frame fraBox{*this, "fraBox"};
    OptionButton optA{*this, "optA", &fraBox};
    OptionButton optB{*this, "optB", &fraBox};
    TextBox txtName{*this, "txtName"};
    ComboBox cboPick{*this, "cboPick"};
    ListView lvwList{*this, "lvwList"};
    Grid flexGrid{*this, "flexGrid"};
    DatePicker dtpDate{*this, "dtpDate"};
    Menu mnuPopup{*this, "mnuPopup", "Popup"};
    Menu mnuPreview{*this, "mnuPreview", "Preview", &mnuPopup};

    void logMouse(Control& control) {
        control.MouseDown = [this](int button, int, float, float) {
            log.events << QString("MouseDown(%1)").arg(button);
        };
        control.MouseUp = [this](int button, int, float, float) {
            log.events << QString("MouseUp(%1)").arg(button);
        };
        control.MouseMove = [this](int, int, float, float) { log.events << "MouseMove"; };
        control.Click = log.note("Click");
        control.DblClick = log.note("DblClick");
    }
    void logCells() {
        logMouse(flexGrid);
        flexGrid.LeaveCell = [this] { log.events << QString("LeaveCell(%1)").arg(flexGrid.row()); };
        flexGrid.EnterCell = [this] {
            log.events << QString("EnterCell(%1,%2)").arg(flexGrid.row()).arg(flexGrid.col());
        };
        flexGrid.RowColChange = log.note("RowColChange");
        flexGrid.SelChange = [this] {
            log.events << QString("SelChange(%1-%2)").arg(flexGrid.row()).arg(flexGrid.rowSel());
        };
    }
};

} // namespace

TEST(UserClick, raisesClickAndMovesTheFocus) {
    ActionsForm form;
    form.cmdok.Click = form.log.note("cmdok_Click");
    form.txtName.setFocus();
    form.txtName.LostFocus = form.log.note("txtName_LostFocus");
    user::click(form.cmdok);
    EXPECT_EQ(form.log.text(), "txtName_LostFocus cmdok_Click");
    EXPECT_TRUE(form.cmdok.hasFocus());
}

TEST(UserClick, onAnOptionButtonChoosesItOnce) {
    ActionsForm form;
    form.optA.Click = form.log.note("optA_Click");
    form.optB.setValue(true);
    user::click(form.optA);
    user::click(form.optA);
    EXPECT_EQ(form.log.text(), "optA_Click");
    EXPECT_FALSE(form.optB.value());
}

TEST(UserClick, failsOnDisabledHiddenOrContainedControls) {
    ActionsForm form;
    int clicks = 0;
    form.cmdok.Click = [&] { ++clicks; };
    form.cmdok.setEnabled(false);
    EXPECT_EQ(failure([&] { user::click(form.cmdok); }), "control frmX.cmdok is disabled");
    form.cmdok.setEnabled(true);
    form.cmdok.setVisible(false);
    EXPECT_EQ(failure([&] { user::click(form.cmdok); }), "control frmX.cmdok is hidden");
    form.fraBox.setEnabled(false);
    EXPECT_EQ(failure([&] { user::click(form.optA); }),
              "control frmX.optA is inside frmX.fraBox, which is disabled");
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(form.optA.value());
}

TEST(UserClick, failsOnAWindowThatIsNotOpen) {
    ActionsForm form;
    form.unload();
    EXPECT_EQ(failure([&] { user::click(form.cmdok); }),
              "control frmX.cmdok is on a window that is not open");
    EXPECT_EQ(failure([&] { user::closeWindow(form); }), "window frmX is not open");
}

TEST(UserFocus, failsOnControlsThatTakeNoFocus) {
    ActionsForm form;
    EXPECT_EQ(failure([&] { user::focus(form.fraBox); }), "control frmX.fraBox cannot take the focus");
    user::focus(form.txtName);
    EXPECT_EQ(form.activeControl(), &form.txtName);
}

TEST(UserSelect, picksTheItemAndClicksEvenWhenItIsAlreadyChosen) {
    ActionsForm form;
    form.cboPick.Click = [&] { form.log.events << "Click " + form.cboPick.text(); };
    user::select(form.cboPick, 1);
    user::select(form.cboPick, 1);
    user::select(form.cboPick, -1);
    user::select(form.cboPick, -1);
    EXPECT_EQ(form.log.text(), "Click second Click second Click ");
    EXPECT_EQ(failure([&] { user::select(form.cboPick, 2); }), "control frmX.cboPick has no item 2");
}

TEST(UserPickDate, setsTheDateWithItsChange) {
    ActionsForm form;
    form.dtpDate.Change = form.log.note("Change");
    user::pickDate(form.dtpDate, QDate(2023, 12, 31));
    EXPECT_EQ(form.dtpDate.value(), QDate(2023, 12, 31));
    EXPECT_EQ(form.log.text(), "Change");
}

TEST(UserListView, clickItemSelectsThenRaisesItemClickAndClick) {
    ActionsForm form;
    form.logMouse(form.lvwList);
    form.lvwList.ItemClick = [&](int item) {
        form.log.events << QString("ItemClick(%1, selected %2)").arg(item).arg(form.lvwList.selectedItem());
    };
    user::clickItem(form.lvwList, 2);
    EXPECT_EQ(form.log.text(), "MouseDown(1) ItemClick(2, selected 2) MouseUp(1) Click");
    form.log.events.clear();
    user::doubleClickItem(form.lvwList, 3);
    EXPECT_EQ(form.log.events.last(), "DblClick");
    EXPECT_EQ(form.lvwList.selectedItem(), 3);
}

TEST(UserListView, rightClickSelectsAndPressesTheRightButtonWhichMayPopUpAMenu) {
    BackendScope backend;
    ActionsForm form;
    form.mnuPreview.Click = form.log.note("mnuPreview_Click");
    backend.onPopup = [&](Form& owner, Menu& menu) {
        form.log.events << "popup " + menu.name();
        user::chooseMenu(*menu.entries()[0]);
    };
    form.lvwList.MouseDown = [&](int button, int, float, float) {
        if (button == RightButton && form.lvwList.selectedItem() == 3) form.popupMenu(form.mnuPopup);
    };
    user::rightClickItem(form.lvwList, 3);
    EXPECT_EQ(form.log.text(), "popup mnuPopup mnuPreview_Click");
}

TEST(UserListView, missingItemsFail) {
    ActionsForm form;
    EXPECT_EQ(failure([&] { user::clickItem(form.lvwList, 4); }), "control frmX.lvwList has no item 4");
    EXPECT_EQ(failure([&] { user::rightClickItem(form.lvwList, 0); }), "control frmX.lvwList has no item 0");
}

TEST(UserGrid, clickCellMovesTheCellThenRaisesCellSelectionAndMouseEvents) {
    ActionsForm form;
    form.logCells();
    user::clickCell(form.flexGrid, 3, 2);
    EXPECT_EQ(form.log.text(),
              "LeaveCell(1) EnterCell(3,2) RowColChange SelChange(3-3) MouseDown(1) MouseUp(1) Click");
    EXPECT_EQ(form.flexGrid.colSel(), 2);
}

TEST(UserGrid, doubleClickRowKeepsTheColumn) {
    ActionsForm form;
    form.flexGrid.setCol(2);
    form.logCells();
    user::doubleClickRow(form.flexGrid, 2);
    EXPECT_EQ(form.log.events.mid(1, 1), QStringList({"EnterCell(2,2)"}));
    EXPECT_EQ(form.log.events.last(), "DblClick");
}

TEST(UserGrid, dragSelectsRowsWithEnterCellAndSelChange) {
    ActionsForm form;
    form.logCells();
    user::dragRows(form.flexGrid, 1, 3);
    EXPECT_EQ(form.log.text(), "EnterCell(1,1) SelChange(1-3)");
}

TEST(UserGrid, hoverCellSetsTheMouseCellBeforeMouseMove) {
    ActionsForm form;
    form.flexGrid.MouseMove = [&](int, int, float, float) {
        form.log.events
            << QString("MouseMove(%1,%2)").arg(form.flexGrid.mouseRow()).arg(form.flexGrid.mouseCol());
    };
    user::hoverCell(form.flexGrid, 2, 1);
    EXPECT_EQ(form.log.text(), "MouseMove(2,1)");
}

TEST(UserGrid, cellsOutsideTheGridOrFixedFail) {
    ActionsForm form;
    EXPECT_EQ(failure([&] { user::clickCell(form.flexGrid, 4, 0); }),
              "control frmX.flexGrid has no cell (4, 0)");
    EXPECT_EQ(failure([&] { user::clickCell(form.flexGrid, 0, 1); }),
              "control frmX.flexGrid cell (0, 1) is a fixed cell");
    EXPECT_FALSE(failure([&] { user::hoverCell(form.flexGrid, 1, 3); }).isEmpty());
}

TEST(UserGrid, clickHeaderReportsTheHeaderCellToTheMouseHandlers) {
    ActionsForm form;
    form.logMouse(form.flexGrid);
    user::clickHeader(form.flexGrid, 2);
    EXPECT_EQ(form.log.text(), "MouseDown(1) MouseUp(1) Click");
    EXPECT_EQ(form.flexGrid.mouseCol(), 2);
    EXPECT_EQ(form.flexGrid.mouseRow(), 0);
}

TEST(UserMenu, choosingADisabledEntryFails) {
    ActionsForm form;
    form.mnuPreview.setEnabled(false);
    EXPECT_EQ(failure([&] { user::chooseMenu(form.mnuPreview); }), "control frmX.mnuPreview is disabled");
}

TEST(UserCloseWindow, runsTheCloseCheckFromTheFrame) {
    struct Closing : ActionsForm {
        int mode = -1;
        void Form_QueryUnload(int&, int unloadMode) override { mode = unloadMode; }
    } form;
    user::closeWindow(form);
    EXPECT_EQ(form.mode, UnloadFromFrame);
    EXPECT_FALSE(form.isLoaded());
}
