// Typing, editing and selecting in a bound text box.
#include "qtfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

namespace qttest {
namespace {

class TextBoxView : public QtFixture {
protected:
    QLineEdit& edit() { return widget<QLineEdit>("txtName"); }
    // Text set from code leaves the caret at the start, as the runtime does; the user clicks to
    // the end before typing.
    void caretToEnd() { edit().end(false); }
};

TEST_F(TextBoxView, typedKeysReachKeyDownKeyPressAndChange) {
    openWindow();
    form->txtName.setFocus();
    caretToEnd();
    form->log.clear();
    QTest::keyClicks(&edit(), QStringLiteral("xy"));
    EXPECT_EQ(form->txtName.text(), QStringLiteral("Annaxy"));
    EXPECT_EQ(edit().text(), QStringLiteral("Annaxy"));
    const QStringList expected{
        QStringLiteral("txtName_KeyDown 88"),   QStringLiteral("txtName_KeyPress 120"),
        QStringLiteral("txtName_Change Annax"), QStringLiteral("txtName_KeyDown 89"),
        QStringLiteral("txtName_KeyPress 121"), QStringLiteral("txtName_Change Annaxy")};
    EXPECT_EQ(form->log, expected);
}

TEST_F(TextBoxView, swallowingHandlerKeepsTheCharacterOut) {
    openWindow();
    caretToEnd();
    form->log.clear();
    QTest::keyClicks(&edit(), QStringLiteral("a#b"));
    EXPECT_EQ(edit().text(), QStringLiteral("Annaab"));
    EXPECT_TRUE(form->log.contains(QStringLiteral("txtName_KeyPress 35")));
    EXPECT_FALSE(form->log.contains(QStringLiteral("txtName_Change Annaa#")));
}

TEST_F(TextBoxView, backspaceGoesThroughTheKeyHandlers) {
    openWindow();
    caretToEnd();
    form->log.clear();
    QTest::keyClick(&edit(), Qt::Key_Backspace);
    EXPECT_EQ(edit().text(), QStringLiteral("Ann"));
    EXPECT_TRUE(form->log.contains(QStringLiteral("txtName_KeyPress 8")));
    form->swallowed = QStringLiteral("\b");
    QTest::keyClick(&edit(), Qt::Key_Backspace);
    EXPECT_EQ(edit().text(), QStringLiteral("Ann"));
}

TEST_F(TextBoxView, textSetByCodeShowsInTheWidget) {
    openWindow();
    form->txtName.setText(QStringLiteral("Bert"));
    EXPECT_EQ(edit().text(), QStringLiteral("Bert"));
}

TEST_F(TextBoxView, caretAndSelectionReachTheRuntime) {
    openWindow();
    edit().setSelection(1, 2);
    EXPECT_EQ(form->txtName.selStart(), 1);
    EXPECT_EQ(form->txtName.selLength(), 2);
    edit().setCursorPosition(3);
    EXPECT_EQ(form->txtName.selStart(), 3);
    EXPECT_EQ(form->txtName.selLength(), 0);
}

TEST_F(TextBoxView, selectionSetByCodeShowsInTheWidget) {
    openWindow();
    form->txtName.setSelStart(0);
    form->txtName.setSelLength(4);
    EXPECT_EQ(edit().selectedText(), QStringLiteral("Anna"));
}

TEST_F(TextBoxView, pasteReplacesTheSelectionAsOneChange) {
    openWindow();
    QApplication::clipboard()->setText(QStringLiteral("ZZ"));
    edit().setSelection(1, 2);
    form->log.clear();
    QTest::keyClick(&edit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form->txtName.text(), QStringLiteral("AZZa"));
    EXPECT_EQ(form->log.filter(QStringLiteral("Change")), QStringList{QStringLiteral("txtName_Change AZZa")});
    EXPECT_EQ(edit().cursorPosition(), 3);
}

TEST_F(TextBoxView, deleteKeyEditsAtTheCaretAndReachesChange) {
    openWindow();
    edit().setCursorPosition(0);
    form->log.clear();
    QTest::keyClick(&edit(), Qt::Key_Delete);
    EXPECT_EQ(form->txtName.text(), QStringLiteral("nna"));
    EXPECT_TRUE(form->log.contains(QStringLiteral("txtName_KeyDown 46")));
    EXPECT_TRUE(form->log.contains(QStringLiteral("txtName_Change nna")));
    EXPECT_EQ(edit().cursorPosition(), 0);
}

TEST_F(TextBoxView, lockedTextBoxIsReadOnlyAndMaxLengthApplies) {
    form->txtName.locked = true;
    form->txtName.maxLength = 6;
    openWindow();
    EXPECT_TRUE(edit().isReadOnly());
    EXPECT_EQ(edit().maxLength(), 6);
    QTest::keyClicks(&edit(), QStringLiteral("x"));
    EXPECT_EQ(form->txtName.text(), QStringLiteral("Anna"));
}

} // namespace
} // namespace qttest
