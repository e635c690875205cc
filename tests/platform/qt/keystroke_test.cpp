// Key events translated to key codes, shift states and characters.
#include "platform/forms/control.h"
#include "platform/qt/keystroke.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

using qtview::keyStrokeOf;

namespace {

qtview::KeyStroke stroke(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                         const QString& text = {}) {
    return keyStrokeOf(QKeyEvent(QEvent::KeyPress, key, modifiers, text));
}

void expectStroke(const qtview::KeyStroke& actual, int keyCode, int shift, int character) {
    EXPECT_EQ(actual.keyCode, keyCode);
    EXPECT_EQ(actual.shift, shift);
    EXPECT_EQ(actual.character, character);
}

TEST(KeyStroke, lettersAndDigitsUseTheirUpperCaseCodeAndTypeTheirText) {
    expectStroke(stroke(Qt::Key_A, Qt::NoModifier, QStringLiteral("a")), 'A', forms::NoShift, 'a');
    expectStroke(stroke(Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A")), 'A', forms::ShiftMask, 'A');
    expectStroke(stroke(Qt::Key_5, Qt::NoModifier, QStringLiteral("5")), '5', forms::NoShift, '5');
}

TEST(KeyStroke, controlKeysGiveTheModulesCharacters) {
    expectStroke(stroke(Qt::Key_D, Qt::ControlModifier, QStringLiteral("\x04")), 'D', forms::CtrlMask, 4);
    expectStroke(stroke(Qt::Key_Return), 13, forms::NoShift, 13);
    expectStroke(stroke(Qt::Key_Enter, Qt::ControlModifier), 13, forms::CtrlMask, 10);
    expectStroke(stroke(Qt::Key_Escape), 27, forms::NoShift, 27);
    expectStroke(stroke(Qt::Key_Backspace), 8, forms::NoShift, 8);
}

TEST(KeyStroke, keysWithoutCharacterKeepOnlyTheirCode) {
    expectStroke(stroke(Qt::Key_Delete), 46, forms::NoShift, 0);
    expectStroke(stroke(Qt::Key_F10), 121, forms::NoShift, 0);
    expectStroke(stroke(Qt::Key_F1), 112, forms::NoShift, 0);
    expectStroke(stroke(Qt::Key_Left), 37, forms::NoShift, 0);
    expectStroke(stroke(Qt::Key_PageDown), 34, forms::NoShift, 0);
}

TEST(KeyStroke, tabMovesRatherThanTypes) {
    expectStroke(stroke(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t")), 9, forms::NoShift, 0);
    expectStroke(stroke(Qt::Key_Backtab, Qt::ShiftModifier), 9, forms::ShiftMask, 0);
}

TEST(KeyStroke, punctuationUsesTheKeyboardCodes) {
    expectStroke(stroke(Qt::Key_Period, Qt::NoModifier, QStringLiteral(".")), 190, forms::NoShift, '.');
    expectStroke(stroke(Qt::Key_Apostrophe, Qt::NoModifier, QStringLiteral("'")), 222, forms::NoShift, 39);
    expectStroke(stroke(Qt::Key_Minus, Qt::NoModifier, QStringLiteral("-")), 189, forms::NoShift, '-');
}

TEST(KeyStroke, altCombinationsAndModifiersAloneTypeNothing) {
    expectStroke(stroke(Qt::Key_X, Qt::AltModifier, QStringLiteral("x")), 'X', forms::AltMask, 0);
    EXPECT_TRUE(stroke(Qt::Key_Shift, Qt::ShiftModifier).isEmpty());
    EXPECT_TRUE(stroke(Qt::Key_Control, Qt::ControlModifier).isEmpty());
}

} // namespace
