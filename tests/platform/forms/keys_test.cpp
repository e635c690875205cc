// Keys and typing: event order, key preview, swallowed and changed keys, Tab order, named keys.
#include "formstestsupport.h"
#include "platform/forms/combobox.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/forms/textcontrols.h"
#include "platform/forms/userinput.h"

using namespace forms;
using forms::test::EventLog;

namespace {

// Logs the window's key events; previewing is switched on by the tests that need it.
struct KeysForm : Form {
    KeysForm() : Form("frmKeys", "Keys") { load(); }
    EventLog log;
    std::function<void(int&)> onFormKeyPress;
    TextBox txtFirst{*this, "txtFirst"};
    Frame fraBox{*this, "fraBox"};
    TextBox txtInside{*this, "txtInside", &fraBox};
    CommandButton cmdOk{*this, "cmdOk"};
    CommandButton cmdCancel{*this, "cmdCancel"};
    Grid flexGrid{*this, "flexGrid"};

    void Form_KeyDown(int& keyCode, int shift) override {
        log.events << QString("Form_KeyDown(%1)").arg(keyCode);
    }
    void Form_KeyPress(int& keyAscii) override {
        log.events << QString("Form_KeyPress(%1)").arg(keyAscii);
        if (onFormKeyPress) onFormKeyPress(keyAscii);
    }
    void Form_KeyUp(int& keyCode, int shift) override {
        log.events << QString("Form_KeyUp(%1)").arg(keyCode);
    }

    void logKeys(Control& control) {
        control.KeyDown = [this](int& code, int shift) {
            log.events << QString("KeyDown(%1,%2)").arg(code).arg(shift);
        };
        control.KeyPress = [this](int& ascii) { log.events << QString("KeyPress(%1)").arg(ascii); };
        control.KeyUp = [this](int& code, int) { log.events << QString("KeyUp(%1)").arg(code); };
    }
};

} // namespace

TEST(Typing, eachCharacterGoesDownPressChangeUp) {
    KeysForm form;
    form.logKeys(form.txtFirst);
    form.txtFirst.Change = [&] { form.log.events << "Change(" + form.txtFirst.text() + ")"; };
    user::type(form.txtFirst, "aB");
    EXPECT_EQ(form.log.text(), "KeyDown(65,0) KeyPress(97) Change(a) KeyUp(65) "
                               "KeyDown(66,1) KeyPress(66) Change(aB) KeyUp(66)");
    EXPECT_EQ(form.txtFirst.selStart(), 2);
}

TEST(Typing, appendsAtTheEndWhateverTheSelection) {
    KeysForm form;
    form.txtFirst.setText("12");
    form.txtFirst.setSelStart(0);
    form.txtFirst.setSelLength(2);
    user::type(form.txtFirst, "3.5");
    EXPECT_EQ(form.txtFirst.text(), "123.5");
}

TEST(Typing, keyPreviewLetsTheFormSeeKeysFirst) {
    KeysForm form;
    form.setKeyPreview(true);
    form.logKeys(form.txtFirst);
    user::type(form.txtFirst, "x");
    EXPECT_EQ(form.log.text(),
              "Form_KeyDown(88) KeyDown(88,0) Form_KeyPress(120) KeyPress(120) Form_KeyUp(88) KeyUp(88)");
}

TEST(Typing, withoutPreviewTheFormSeesNothing) {
    KeysForm form;
    user::type(form.txtFirst, "x");
    EXPECT_TRUE(form.log.events.isEmpty());
    EXPECT_EQ(form.txtFirst.text(), "x");
}

TEST(Typing, aFormHandlerSwallowingTheKeyKeepsItFromTheControlAndTheText) {
    KeysForm form;
    form.setKeyPreview(true);
    form.logKeys(form.txtFirst);
    form.onFormKeyPress = [](int& ascii) {
        if (ascii == '4') ascii = 0;
    };
    user::type(form.txtFirst, "4");
    EXPECT_EQ(form.txtFirst.text(), "");
    EXPECT_FALSE(form.log.events.contains("KeyPress(52)"));
    EXPECT_TRUE(form.log.events.contains("KeyUp(52)"));
}

TEST(Typing, controlHandlersSwallowOrChangeCharacters) {
    KeysForm form;
    form.txtFirst.KeyPress = [](int& ascii) {
        if (ascii >= 'a' && ascii <= 'z')
            ascii -= 'a' - 'A';
        else if (ascii < '0' || ascii > '9')
            ascii = 0;
    };
    user::type(form.txtFirst, "a1-b");
    EXPECT_EQ(form.txtFirst.text(), "A1B");
}

TEST(Typing, backspaceDeletesTheLastCharacter) {
    KeysForm form;
    int changes = 0;
    form.txtFirst.Change = [&] { ++changes; };
    user::type(form.txtFirst, "ab");
    user::pressKey(form.txtFirst, keys::Backspace);
    EXPECT_EQ(form.txtFirst.text(), "a");
    user::typeCharacter(form.txtFirst, keys::Backspace);
    user::pressKey(form.txtFirst, keys::Backspace);
    EXPECT_EQ(form.txtFirst.text(), "");
    EXPECT_EQ(changes, 4);
}

TEST(Typing, characterReplacesTheSelectionAtTheCaret) {
    KeysForm form;
    form.txtFirst.setText(QStringLiteral("12345"));
    form.txtFirst.setSelStart(1);
    form.txtFirst.setSelLength(2);
    user::typeCharacter(form.txtFirst, '9');
    EXPECT_EQ(form.txtFirst.text(), "1945");
    EXPECT_EQ(form.txtFirst.selStart(), 2);
    user::typeCharacter(form.txtFirst, keys::Backspace);
    EXPECT_EQ(form.txtFirst.text(), "145");
    form.txtFirst.setSelStart(0);
    user::typeCharacter(form.txtFirst, keys::Backspace);
    EXPECT_EQ(form.txtFirst.text(), "145");
    user::type(form.txtFirst, "6");
    EXPECT_EQ(form.txtFirst.text(), "1456");
}

TEST(Typing, lockedAndFullBoxesKeepTheirText) {
    KeysForm form;
    form.txtFirst.maxLength = 2;
    user::type(form.txtFirst, "abc");
    EXPECT_EQ(form.txtFirst.text(), "ab");
    form.txtFirst.locked = true;
    user::pressKey(form.txtFirst, keys::Backspace);
    EXPECT_EQ(form.txtFirst.text(), "ab");
    EXPECT_FALSE(forms::test::failure([&] { user::paste(form.txtFirst, "z"); }).isEmpty());
}

TEST(Typing, clearAndPasteChangeTheTextOnceWithoutKeyEvents) {
    KeysForm form;
    form.logKeys(form.txtFirst);
    int changes = 0;
    form.txtFirst.Change = [&] { ++changes; };
    user::paste(form.txtFirst, "pasted text");
    user::clear(form.txtFirst);
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(form.log.events.isEmpty());
}

TEST(NamedKeys, produceTheirCharacters) {
    KeysForm form;
    form.logKeys(form.flexGrid);
    user::pressKey(form.flexGrid, keys::Enter);
    user::pressKey(form.flexGrid, keys::Escape);
    user::pressKey(form.flexGrid, keys::Enter, CtrlMask);
    user::pressKey(form.flexGrid, 'D', CtrlMask);
    EXPECT_EQ(form.log.text(), "KeyDown(13,0) KeyPress(13) KeyUp(13) KeyDown(27,0) KeyPress(27) KeyUp(27) "
                               "KeyDown(13,2) KeyPress(10) KeyUp(13) KeyDown(68,2) KeyPress(4) KeyUp(68)");
}

TEST(NamedKeys, functionAndDeleteKeysProduceNoCharacter) {
    KeysForm form;
    form.logKeys(form.flexGrid);
    user::pressKey(form.flexGrid, keys::F10);
    user::pressKey(form.flexGrid, keys::Delete);
    EXPECT_EQ(form.log.text(), "KeyDown(121,0) KeyUp(121) KeyDown(46,0) KeyUp(46)");
}

TEST(NamedKeys, typedControlCharactersUseTheirKeys) {
    KeysForm form;
    form.logKeys(form.flexGrid);
    user::typeCharacter(form.flexGrid, keys::CtrlD);
    user::typeCharacter(form.flexGrid, keys::CtrlEnter);
    EXPECT_EQ(form.log.text(), "KeyDown(68,2) KeyPress(4) KeyUp(68) KeyDown(13,2) KeyPress(10) KeyUp(13)");
}

TEST(NamedKeys, enterAndEscapePressTheDefaultAndCancelButtons) {
    KeysForm form;
    form.logKeys(form.txtFirst);
    form.cmdOk.isDefault = true;
    form.cmdCancel.isCancel = true;
    form.cmdOk.Click = form.log.note("ok");
    form.cmdCancel.Click = form.log.note("cancel");
    user::pressKey(form.txtFirst, keys::Enter);
    user::pressKey(form.txtFirst, keys::Escape);
    EXPECT_EQ(form.log.text(), "ok cancel");
    form.cmdOk.setEnabled(false);
    user::pressKey(form.txtFirst, keys::Enter);
    EXPECT_EQ(form.log.events.mid(2), QStringList({"KeyDown(13,0)", "KeyPress(13)", "KeyUp(13)"}));
}

TEST(NamedKeys, aHandlerThatClosesTheWindowEndsTheKey) {
    KeysForm form;
    form.logKeys(form.txtFirst);
    form.txtFirst.KeyDown = [&](int&, int) { form.unload(); };
    user::type(form.txtFirst, "q");
    EXPECT_TRUE(form.log.events.isEmpty());
    EXPECT_FALSE(form.isLoaded());
}

TEST(TabOrder, followsTabIndexThenLayoutAndWrapsAround) {
    KeysForm form;
    form.cmdCancel.setTabIndex(1);
    form.txtFirst.setTabIndex(2);
    form.flexGrid.setTabIndex(3);
    // txtInside and cmdOk keep tab index 0 and come first, in layout order.
    EXPECT_EQ(form.nextInTabOrder(nullptr), &form.txtInside);
    EXPECT_EQ(form.nextInTabOrder(&form.txtInside), &form.cmdOk);
    EXPECT_EQ(form.nextInTabOrder(&form.cmdOk), &form.cmdCancel);
    EXPECT_EQ(form.nextInTabOrder(&form.flexGrid), &form.txtInside);
}

TEST(TabOrder, skipsDisabledHiddenNoTabStopAndControlsInHiddenContainers) {
    KeysForm form;
    form.fraBox.setVisible(false);
    form.cmdOk.setEnabled(false);
    form.cmdCancel.setVisible(false);
    EXPECT_EQ(form.nextInTabOrder(&form.txtFirst), &form.flexGrid);
    form.flexGrid.setTabStop(false);
    EXPECT_EQ(form.nextInTabOrder(&form.txtFirst), nullptr);
}

TEST(TabOrder, tabKeyMovesTheFocusWithLostAndGotFocus) {
    KeysForm form;
    form.logKeys(form.txtFirst);
    form.txtFirst.LostFocus = form.log.note("txtFirst lost");
    form.txtInside.GotFocus = form.log.note("txtInside got");
    form.txtFirst.setFocus();
    user::pressKey(form.txtFirst, keys::Tab);
    EXPECT_EQ(form.log.text(), "txtFirst lost txtInside got");
    EXPECT_TRUE(form.txtInside.hasFocus());
}

TEST(TabOrder, sendTabMovesTheActiveWindowsFocus) {
    test::BackendScope backend;
    KeysForm form;
    backend.onModal = [&](Form& shown) {
        EXPECT_EQ(shown.activeControl(), &form.txtFirst); // the first in tab order when shown
        Runtime::sendTab();
        EXPECT_EQ(shown.activeControl(), &form.txtInside);
        shown.unload();
    };
    form.showModal();
}
