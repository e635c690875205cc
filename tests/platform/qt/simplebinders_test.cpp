// Labels, buttons, options, frames, picture boxes, combo boxes, date pickers and tabs bound to widgets.
#include "platform/qt/binderfactory.h"
#include "platform/qt/controlbinder.h"
#include "qtfixture.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace qttest {
namespace {

class SimpleBinders : public QtFixture {
protected:
    // Clicks on the option's circle, which is at its left whatever the widget's width.
    void clickOption(const QString& name) {
        auto& option = widget<QRadioButton>(name);
        QTest::mouseClick(&option, Qt::LeftButton, {}, QPoint(6, option.height() / 2));
    }
};

TEST_F(SimpleBinders, windowOpensWithTheControlsState) {
    qtview::FormWindow& window = openWindow();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Test window"));
    EXPECT_EQ(widget<QLabel>("lblTitle").text(), QStringLiteral("Customer"));
    EXPECT_EQ(widget<QLineEdit>("txtName").text(), QStringLiteral("Anna"));
    EXPECT_EQ(widget<QGroupBox>("fraOptions").title(), QStringLiteral("Order"));
    EXPECT_EQ(widget<QRadioButton>("optSecond").text(), QStringLiteral("Second"));
    EXPECT_EQ(widget<QDateEdit>("dtpDate").date(), QDate(2024, 3, 5));
    EXPECT_EQ(widget<QTabWidget>("tabPages").tabText(1), QStringLiteral("Details"));
    auto& combo = widget<QComboBox>("cboKind");
    ASSERT_EQ(combo.count(), 3);
    EXPECT_EQ(combo.itemText(2), QStringLiteral("Card"));
    EXPECT_EQ(combo.currentIndex(), -1);
}

TEST_F(SimpleBinders, widgetNamesMatchControlsInAnyLetterCase) {
    qtview::FormWindow& window = openWindow();
    auto& ok = widget<QPushButton>("CMDOK");
    EXPECT_EQ(ok.text(), QStringLiteral("&OK"));
    EXPECT_EQ(window.widgetFor(&form->cmdOk), &ok);
}

TEST_F(SimpleBinders, enabledVisibleAndToolTipFollowTheControl) {
    openWindow();
    form->cmdOk.setEnabled(false);
    EXPECT_FALSE(widget<QPushButton>("CMDOK").isEnabled());
    form->txtName.setVisible(false);
    EXPECT_TRUE(widget<QLineEdit>("txtName").isHidden());
    form->txtName.setVisible(true);
    EXPECT_FALSE(widget<QLineEdit>("txtName").isHidden());
    form->cboKind.setToolTipText(QStringLiteral("How the customer pays"));
    EXPECT_EQ(widget<QComboBox>("cboKind").toolTip(), QStringLiteral("How the customer pays"));
}

TEST_F(SimpleBinders, disabledContainersDisableWhatTheyHold) {
    openWindow();
    form->picButtons.setEnabled(false);
    EXPECT_FALSE(widget<QPushButton>("cmdCancel").isEnabled());
    form->fraOptions.setEnabled(false);
    EXPECT_FALSE(widget<QRadioButton>("optFirst").isEnabled());
}

TEST_F(SimpleBinders, buttonClickRaisesClick) {
    openWindow();
    QTest::mouseClick(&widget<QPushButton>("CMDOK"), Qt::LeftButton);
    EXPECT_TRUE(form->log.contains(QStringLiteral("cmdOk_Click")));
}

TEST_F(SimpleBinders, actionOnAControlTheRuntimeDisabledIsDroppedAndTheWidgetResynced) {
    openWindow();
    form->cmdOk.setEnabled(false);
    auto& ok = widget<QPushButton>("CMDOK");
    ok.setEnabled(true);
    ok.click();
    EXPECT_FALSE(form->log.contains(QStringLiteral("cmdOk_Click")));
    EXPECT_FALSE(ok.isEnabled());
}

TEST_F(SimpleBinders, optionClickSetsItAndClearsItsSibling) {
    openWindow();
    clickOption(QStringLiteral("optSecond"));
    EXPECT_TRUE(form->optSecond.value());
    EXPECT_TRUE(form->log.contains(QStringLiteral("optSecond_Click")));
    clickOption(QStringLiteral("optFirst"));
    EXPECT_TRUE(form->optFirst.value());
    EXPECT_FALSE(form->optSecond.value());
    EXPECT_TRUE(widget<QRadioButton>("optFirst").isChecked());
    EXPECT_FALSE(widget<QRadioButton>("optSecond").isChecked());
}

TEST_F(SimpleBinders, clickingTheSetOptionAgainKeepsItSet) {
    openWindow();
    form->optFirst.setValue(true);
    clickOption(QStringLiteral("optFirst"));
    EXPECT_TRUE(widget<QRadioButton>("optFirst").isChecked());
}

TEST_F(SimpleBinders, comboItemPickedByKeyboardIsSelectedThroughTheRuntime) {
    openWindow();
    form->cboKind.setListIndex(0);
    form->log.clear();
    QTest::keyClick(&widget<QComboBox>("cboKind"), Qt::Key_Down);
    EXPECT_EQ(form->cboKind.listIndex(), 1);
    EXPECT_TRUE(form->log.contains(QStringLiteral("cboKind_Click Cheque")));
}

TEST_F(SimpleBinders, comboShowsItemsAndIndexTheCodeSets) {
    openWindow();
    auto& combo = widget<QComboBox>("cboKind");
    form->cboKind.addItem(QStringLiteral("Voucher"));
    form->cboKind.setListIndex(3);
    EXPECT_EQ(combo.count(), 4);
    EXPECT_EQ(combo.currentText(), QStringLiteral("Voucher"));
    form->cboKind.clear();
    EXPECT_EQ(combo.count(), 0);
    EXPECT_EQ(combo.currentIndex(), -1);
}

TEST_F(SimpleBinders, datePickedInTheWidgetRaisesChange) {
    openWindow();
    widget<QDateEdit>("dtpDate").setDate(QDate(2024, 4, 1));
    EXPECT_EQ(form->dtpDate.value(), QDate(2024, 4, 1));
    EXPECT_TRUE(form->log.contains(QStringLiteral("dtpDate_Change 2024-04-01")));
    form->dtpDate.setValue(QDate(2023, 12, 31));
    EXPECT_EQ(widget<QDateEdit>("dtpDate").date(), QDate(2023, 12, 31));
    EXPECT_TRUE(widget<QDateEdit>("dtpDate").calendarPopup());
}

TEST_F(SimpleBinders, keysTypedInTheDatesEditorReachTheDatePicker) {
    openWindow();
    int pressed = 0;
    form->dtpDate.KeyDown = [&](int& keyCode, int) { pressed = keyCode; };
    auto& date = widget<QDateEdit>("dtpDate");
    QWidget* editor = date.focusProxy() ? date.focusProxy() : &date;
    QTest::keyClick(editor, Qt::Key_F10);
    EXPECT_EQ(pressed, 121);
}

TEST_F(SimpleBinders, tabSwitchedByTheUserBecomesCurrentAndRaisesClick) {
    openWindow();
    widget<QTabWidget>("tabPages").setCurrentIndex(1);
    EXPECT_EQ(form->tabPages.currentTab(), 1);
    EXPECT_TRUE(form->log.contains(QStringLiteral("tabPages_Click 1")));
    form->tabPages.setTabCaption(0, QStringLiteral("Main"));
    EXPECT_EQ(widget<QTabWidget>("tabPages").tabText(0), QStringLiteral("Main"));
}

TEST_F(SimpleBinders, widgetOfTheWrongClassIsNotBound) {
    QLabel label;
    EXPECT_EQ(qtview::bindControl(form->txtName, label), nullptr);
    QLineEdit edit;
    EXPECT_NE(qtview::bindControl(form->txtName, edit), nullptr);
    EXPECT_EQ(edit.text(), QStringLiteral("Anna"));
}

} // namespace
} // namespace qttest
