// Controls from code: events raised only on change, option siblings, lists, observers, properties.
#include "formstestsupport.h"
#include "platform/forms/combobox.h"
#include "platform/forms/form.h"
#include "platform/forms/listview.h"
#include "platform/forms/othercontrols.h"
#include "platform/forms/textcontrols.h"

using namespace forms;
using forms::test::EventLog;
using forms::test::failure;

namespace {

struct Counter : ControlObserver {
    int changes = 0;
    void controlChanged() override { ++changes; }
};

struct ControlsForm : Form {
    ControlsForm() : Form("frmControls", "Controls") {}
    TextBox txtA{*this, "txtA"};
    TextBox txtB{*this, "txtB"};
    ComboBox cboList{*this, "cboList"};
    Frame fraOne{*this, "fraOne"};
    OptionButton optFirst{*this, "optFirst", &fraOne};
    OptionButton optSecond{*this, "optSecond", &fraOne};
    OptionButton optOutside{*this, "optOutside"};
    ListView lvwItems{*this, "lvwItems"};
    DatePicker dtpDate{*this, "dtpDate"};
    TabControl tabPages{*this, "tabPages"};
    Menu mnuPopup{*this, "mnuPopup", "Popup"};
    Menu mnuPreview{*this, "mnuPreview", "Preview", &mnuPopup};
};

} // namespace

TEST(TextBox, raisesChangeOnlyWhenTheTextChanges) {
    ControlsForm form;
    int changes = 0;
    form.txtA.Change = [&] { ++changes; };
    form.txtA.setText("abc");
    form.txtA.setText("abc");
    form.txtA.setText("");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(form.txtA.text(), "");
}

TEST(TextBox, nestedChangeRunsBeforeTheOuterHandlerContinues) {
    ControlsForm form;
    EventLog log;
    form.txtA.Change = [&] {
        log.events << "A begins";
        form.txtB.setText(form.txtA.text() + "!");
        log.events << "A ends with B=" + form.txtB.text();
    };
    form.txtB.Change = log.note("B changed");
    form.txtA.setText("x");
    EXPECT_EQ(log.text(), "A begins B changed A ends with B=x!");
}

TEST(TextBox, selectionStaysInsideTheText) {
    ControlsForm form;
    form.txtA.setText("hello");
    form.txtA.setSelStart(2);
    form.txtA.setSelLength(10);
    EXPECT_EQ(form.txtA.selLength(), 3);
    form.txtA.setSelStart(9);
    EXPECT_EQ(form.txtA.selStart(), 5);
    EXPECT_EQ(form.txtA.selLength(), 0);
    form.txtA.setText("other");
    EXPECT_EQ(form.txtA.selStart(), 0);
}

TEST(ComboBox, clickOnlyWhenTheIndexChangesIncludingToNone) {
    ControlsForm form;
    int clicks = 0;
    form.cboList.Click = [&] { ++clicks; };
    form.cboList.addItem("one");
    form.cboList.addItem("two");
    form.cboList.setListIndex(1);
    form.cboList.setListIndex(1);
    EXPECT_EQ(clicks, 1);
    form.cboList.setListIndex(-1);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(form.cboList.text(), "");
    form.cboList.setListIndex(0);
    form.cboList.clear();
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(form.cboList.listIndex(), -1);
    EXPECT_EQ(form.cboList.listCount(), 0);
}

TEST(ComboBox, itemDataAndNewIndexFollowTheItems) {
    ControlsForm form;
    for (const char* text : {"a", "b", "c"}) {
        form.cboList.addItem(text);
        form.cboList.setItemData(form.cboList.newIndex(), form.cboList.newIndex() * 10 + 5);
    }
    form.cboList.setListIndex(2);
    form.cboList.removeItem(0);
    EXPECT_EQ(form.cboList.listIndex(), 1);
    EXPECT_EQ(form.cboList.text(), "c");
    EXPECT_EQ(form.cboList.itemData(1), 25);
    EXPECT_EQ(form.cboList.list(-1), "c");
    form.cboList.removeItem(1);
    EXPECT_EQ(form.cboList.listIndex(), -1);
}

TEST(ComboBox, badIndexesFail) {
    ControlsForm form;
    form.cboList.addItem("only");
    EXPECT_EQ(failure([&] { form.cboList.setListIndex(1); }, 380), "Invalid property value");
    EXPECT_FALSE(failure([&] { form.cboList.itemData(3); }, rt::err::SubscriptOutOfRange).isEmpty());
    EXPECT_FALSE(failure([&] { form.cboList.removeItem(-1); }, rt::err::SubscriptOutOfRange).isEmpty());
}

TEST(OptionButton, settingTrueClicksOnceAndClearsSiblingsInTheSameContainer) {
    ControlsForm form;
    EventLog log;
    form.optFirst.Click = [&] { log.events << "first, second=" + boolText(form.optSecond.value()); };
    form.optSecond.Click = log.note("second");
    form.optOutside.Click = log.note("outside");
    form.optSecond.setValue(true);
    form.optOutside.setValue(true);
    form.optFirst.setValue(true);
    form.optFirst.setValue(true);
    EXPECT_EQ(log.text(), "second outside first, second=false");
    EXPECT_FALSE(form.optSecond.value());
    EXPECT_TRUE(form.optOutside.value());
    form.optFirst.setValue(false);
    EXPECT_EQ(log.events.size(), 3);
}

TEST(ListView, countsItemsAndHeadersFromOneAndExtendsSubItems) {
    ControlsForm form;
    form.lvwItems.addColumn("Name", 1500);
    form.lvwItems.addColumn("Amount", 900, Alignment::Right);
    EXPECT_EQ(form.lvwItems.addItem("first"), 1);
    EXPECT_EQ(form.lvwItems.addItem("second"), 2);
    form.lvwItems.setCell(2, 3, "far");
    EXPECT_EQ(form.lvwItems.cell(2, 0), "second");
    EXPECT_EQ(form.lvwItems.cell(2, 2), "");
    EXPECT_EQ(form.lvwItems.cell(2, 3), "far");
    EXPECT_EQ(form.lvwItems.cell(1, 5), "");
    EXPECT_EQ(form.lvwItems.header(2).alignment, Alignment::Right);
    EXPECT_EQ(form.lvwItems.property("header", {1}), "Name");
    EXPECT_EQ(form.lvwItems.property("subitem", {2, 3}), "far");
    EXPECT_FALSE(failure([&] { form.lvwItems.header(0); }, rt::err::SubscriptOutOfRange).isEmpty());
    EXPECT_FALSE(failure([&] { form.lvwItems.cell(3, 0); }, rt::err::SubscriptOutOfRange).isEmpty());
}

TEST(ListView, removingAndClearingKeepTheSelectionValid) {
    ControlsForm form;
    for (const char* text : {"a", "b", "c"})
        form.lvwItems.addItem(text);
    form.lvwItems.setSelectedItem(3);
    form.lvwItems.removeItem(1);
    EXPECT_EQ(form.lvwItems.selectedItem(), 2);
    EXPECT_EQ(form.lvwItems.cell(2, 0), "c");
    form.lvwItems.clear();
    EXPECT_EQ(form.lvwItems.selectedItem(), 0);
    EXPECT_EQ(form.lvwItems.count(), 0);
}

TEST(ListView, cellToolTipsBelongToTheirItemAndGoWithIt) {
    ControlsForm form;
    for (const char* text : {"a", "b", "c"})
        form.lvwItems.addItem(text);
    form.lvwItems.setCellToolTip(2, 4, "1,250.00");
    form.lvwItems.setCellToolTip(3, 0, "third");
    EXPECT_EQ(form.lvwItems.cellToolTip(2, 4), "1,250.00");
    EXPECT_EQ(form.lvwItems.cellToolTip(2, 3), "");
    EXPECT_EQ(form.lvwItems.cell(2, 4), "");
    EXPECT_EQ(form.lvwItems.property("subitemtooltip", {3, 0}), "third");
    form.lvwItems.removeItem(1);
    EXPECT_EQ(form.lvwItems.cellToolTip(1, 4), "1,250.00");
    EXPECT_EQ(form.lvwItems.cellToolTip(2, 0), "third");
    EXPECT_FALSE(failure([&] { form.lvwItems.cellToolTip(3, 0); }, rt::err::SubscriptOutOfRange).isEmpty());
    EXPECT_FALSE(failure([&] { form.lvwItems.setCellToolTip(1, -1, "x"); }, rt::err::SubscriptOutOfRange).isEmpty());
    form.lvwItems.clear();
    form.lvwItems.addItem("d");
    EXPECT_EQ(form.lvwItems.cellToolTip(1, 4), "");
}

TEST(DatePicker, changeOnlyOnANewDateAndValuePrintsIsoDate) {
    ControlsForm form;
    int changes = 0;
    form.dtpDate.Change = [&] { ++changes; };
    form.dtpDate.setValue(QDate(2024, 3, 5));
    form.dtpDate.setValue(QDate(2024, 3, 5));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(form.dtpDate.property("value"), "2024-03-05");
}

TEST(TabControl, tabsCountFromZero) {
    ControlsForm form;
    form.tabPages.addTab("General");
    form.tabPages.addTab("Invoices");
    form.tabPages.setCurrentTab(1);
    EXPECT_EQ(form.tabPages.property("tab", {1}), "Invoices");
    EXPECT_EQ(form.tabPages.property("value"), "1");
    EXPECT_FALSE(failure([&] { form.tabPages.setCurrentTab(2); }, rt::err::SubscriptOutOfRange).isEmpty());
}

TEST(Menu, entriesBelongToTheirParent) {
    ControlsForm form;
    ASSERT_EQ(form.mnuPopup.entries().size(), 1u);
    EXPECT_EQ(form.mnuPopup.entries()[0], &form.mnuPreview);
    EXPECT_EQ(form.mnuPreview.parentMenu(), &form.mnuPopup);
    EXPECT_EQ(form.mnuPreview.property("caption"), "Preview");
}

TEST(ControlObserver, toldOfEveryStateChangeButNotOfRepeats) {
    ControlsForm form;
    Counter counter;
    form.txtA.setObserver(&counter);
    form.txtA.setText("a");
    form.txtA.setText("a");
    form.txtA.setEnabled(false);
    form.txtA.setToolTipText("tip");
    form.txtA.setForeColor(255);
    EXPECT_EQ(counter.changes, 4);
    form.cboList.setObserver(&counter);
    form.cboList.addItem("x");
    form.cboList.clear();
    EXPECT_EQ(counter.changes, 6);
}

TEST(Control, usableOnlyWhenItAndItsContainersAreEnabledAndVisible) {
    ControlsForm form;
    EXPECT_TRUE(form.optFirst.isUsable());
    form.fraOne.setVisible(false);
    EXPECT_FALSE(form.optFirst.isUsable());
    EXPECT_FALSE(form.optFirst.canFocus());
    form.fraOne.setVisible(true);
    form.fraOne.setEnabled(false);
    EXPECT_FALSE(form.optFirst.isUsable());
    EXPECT_FALSE(form.fraOne.canFocus());
    EXPECT_FALSE(failure([&] { form.optFirst.setFocus(); }).isEmpty());
}

TEST(ControlProperty, printsScenarioTexts) {
    ControlsForm form;
    form.cboList.addItem("alpha");
    form.cboList.setItemData(0, 42);
    form.cboList.setListIndex(0);
    form.optFirst.setCaption("&First");
    form.txtA.setEnabled(false);
    form.txtA.setToolTipText("1,234.50");
    EXPECT_EQ(form.cboList.property("listindex"), "0");
    EXPECT_EQ(form.cboList.property("ListCount"), "1");
    EXPECT_EQ(form.cboList.property("item", {0}), "alpha");
    EXPECT_EQ(form.cboList.property("itemdata", {0}), "42");
    EXPECT_EQ(form.cboList.property("text"), "alpha");
    EXPECT_EQ(form.optFirst.property("caption"), "&First");
    EXPECT_EQ(form.optFirst.property("value"), "false");
    EXPECT_EQ(form.txtA.property("enabled"), "false");
    EXPECT_EQ(form.txtA.property("visible"), "true");
    EXPECT_EQ(form.txtA.property("tooltip"), "1,234.50");
}

TEST(ControlProperty, unknownPropertiesAndMissingArgumentsFail) {
    ControlsForm form;
    EXPECT_EQ(failure([&] { form.txtA.property("caption"); }, 438),
              "Object doesn't support this property or method");
    EXPECT_EQ(failure([&] { form.fraOne.property("text"); }, 438),
              "Object doesn't support this property or method");
    EXPECT_FALSE(failure([&] { form.cboList.property("item"); }, 450).isEmpty());
}

TEST(ControlDump, listsTheStateAsNameValuePairs) {
    ControlsForm form;
    form.cboList.addItem("alpha");
    form.cboList.setItemData(0, 7);
    EXPECT_EQ(form.cboList.dump(),
              QStringList({"text=", "listindex=-1", "listcount=1", "item(0)=alpha", "itemdata(0)=7",
                           "enabled=true", "visible=true", "tooltip="}));
    form.lvwItems.addColumn("Name", 100);
    form.lvwItems.addColumn("Kind", 100);
    form.lvwItems.addItem("one");
    EXPECT_EQ(form.lvwItems.dump().mid(0, 4),
              QStringList({"count=1", "header(1)=Name", "header(2)=Kind", "subitem(1,0)=one"}));
    EXPECT_EQ(form.lvwItems.dump()[4], "subitem(1,1)=");
}
