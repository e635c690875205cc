// Keys and typing: the key events in order, key preview, default and cancel buttons, text changes.
#include "combobox.h"
#include "controlhelpers.h"
#include "form.h"
#include "listview.h"
#include "tablecopy.h"
#include "textcontrols.h"
#include "userchecks.h"
#include "userinput.h"

#include <algorithm>
#include <map>
#include <optional>

namespace forms {

namespace {

constexpr int CtrlLetterBase = 'A' - 1;

// The key a character is typed with, and the shift state that goes with it.
std::pair<int, int> keyFor(int character) {
    if (character >= 'a' && character <= 'z') return {character - 'a' + 'A', NoShift};
    if (character >= 'A' && character <= 'Z') return {character, ShiftMask};
    if (character == keys::CtrlEnter) return {keys::Enter, CtrlMask};
    if (character == keys::Backspace || character == keys::Tab || character == keys::Enter ||
        character == keys::Escape)
        return {character, NoShift};
    if (character > 0 && character <= 'Z' - CtrlLetterBase) return {character + CtrlLetterBase, CtrlMask};
    if (character == ' ' || (character >= '0' && character <= '9')) return {character, NoShift};
    static const std::map<int, int> punctuation = {
        {'.', 190}, {',', 188}, {'-', 189}, {'/', 191}, {'\'', 222}};
    auto found = punctuation.find(character);
    return {found == punctuation.end() ? 0 : found->second, NoShift};
}

// The character a key produces, if any: F10, Delete and the like produce none.
std::optional<int> characterFor(int keyCode, int shift) {
    if (keyCode == keys::Enter) return shift & CtrlMask ? keys::CtrlEnter : keys::Enter;
    if (keyCode == keys::Backspace || keyCode == keys::Escape || keyCode == ' ') return keyCode;
    if (keyCode >= 'A' && keyCode <= 'Z') {
        if (shift & CtrlMask) return keyCode - CtrlLetterBase;
        return shift & ShiftMask ? keyCode : keyCode - 'A' + 'a';
    }
    if (keyCode >= '0' && keyCode <= '9' && !(shift & (ShiftMask | CtrlMask))) return keyCode;
    return std::nullopt;
}

// Enter presses the focused button or else the window's default button, Escape its cancel button;
// the key then goes no further.
CommandButton* buttonFor(Control& control, int character) {
    if (character == keys::Enter && control.kind() == ControlKind::CommandButton)
        return &static_cast<CommandButton&>(control);
    if (character != keys::Enter && character != keys::Escape) return nullptr;
    for (Control* other : control.form().controls()) {
        if (other->kind() != ControlKind::CommandButton || !other->isUsable()) continue;
        auto* button = static_cast<CommandButton*>(other);
        if (character == keys::Enter ? button->isDefault : button->isCancel) return button;
    }
    return nullptr;
}

// What a character that got through the handlers does to the text: typing appends at the end.
// A typed character replaces the selection at the caret; Backspace removes the selection, or the
// character before the caret.
void applyCharacter(Control& control, int character) {
    if (control.kind() != ControlKind::TextBox) return;
    auto& box = static_cast<TextBox&>(control);
    if (box.locked) return;
    QString text = box.text();
    int caret = box.selStart();
    const int selected = box.selLength();
    if (character == keys::Backspace) {
        const int from = selected > 0 ? caret : std::max(caret - 1, 0);
        text.remove(from, selected > 0 ? selected : caret - from);
        caret = from;
    } else if (character >= ' ' && (box.maxLength == 0 || text.size() - selected < box.maxLength)) {
        text.replace(caret, selected, QChar(character));
        ++caret;
    } else {
        return;
    }
    box.setText(text);
    box.setSelStart(caret);
}

void sendKeyPress(Control& control, int character) {
    Form& form = control.form();
    if (form.keyPreview()) form.Form_KeyPress(character);
    if (character != 0 && form.isLoaded()) fire(control.KeyPress, character);
    if (character != 0 && form.isLoaded()) applyCharacter(control, character);
}

// KeyDown and KeyPress, the window first when it previews keys. A handler that sets the code or character
// to 0 keeps it from the control; a closed window gets nothing further. False when a default or cancel
// button took the key instead.
// The item a movement key reaches from the current one of items first..last (first - 1 for none): the next or
// the one before, the first or the last; the current one for any other key.
int itemAfterKey(int current, int first, int last, int keyCode) {
    if (last < first) return current;
    switch (keyCode) {
    case keys::Up:
        return std::max(current - 1, first);
    case keys::Down:
        return std::clamp(current + 1, first, last);
    case keys::Home:
        return first;
    case keys::End:
        return last;
    default:
        return current;
    }
}

// A combo box and a list view move their choice with the arrow keys, Home and End, as a click on the item
// would choose it.
void moveChoice(Control& control, int keyCode) {
    if (control.kind() == ControlKind::ComboBox) {
        auto& combo = static_cast<ComboBox&>(control);
        combo.setListIndex(itemAfterKey(combo.listIndex(), 0, combo.listCount() - 1, keyCode));
    } else if (control.kind() == ControlKind::ListView) {
        auto& list = static_cast<ListView&>(control);
        const int item = itemAfterKey(list.selectedItem(), 1, list.count(), keyCode);
        if (item == list.selectedItem()) return;
        list.setSelectedItem(item);
        fire(list.ItemClick, item);
    }
}

bool sendKeyDown(Control& control, int keyCode, int shift, std::optional<int> character) {
    if (character) {
        if (CommandButton* button = buttonFor(control, *character)) {
            fire(button->Click);
            return false;
        }
    }
    Form& form = control.form();
    int code = keyCode;
    if (form.keyPreview()) form.Form_KeyDown(code, shift);
    if (code != 0 && form.isLoaded()) fire(control.KeyDown, code, shift);
    if (code != 0 && form.isLoaded()) moveChoice(control, code);
    if (code != 0 && form.isLoaded()) copyOnCtrlC(control, code, shift);
    if (character && form.isLoaded()) sendKeyPress(control, *character);
    return true;
}

void sendKeyUp(Control& control, int keyCode, int shift) {
    Form& form = control.form();
    int code = keyCode;
    if (form.keyPreview() && form.isLoaded()) form.Form_KeyUp(code, shift);
    if (code != 0 && form.isLoaded()) fire(control.KeyUp, code, shift);
}

} // namespace

namespace user {

void pressKey(Control& control, int keyCode, int shift, std::optional<int> character) {
    if (holdKey(control, keyCode, shift, character)) releaseKey(control, keyCode, shift);
}

bool holdKey(Control& control, int keyCode, int shift, std::optional<int> character) {
    reach(control);
    if (keyCode == keys::Tab) {
        control.form().tabFrom(&control, shift & ShiftMask);
        return false;
    }
    return sendKeyDown(control, keyCode, shift, character ? character : characterFor(keyCode, shift));
}

void releaseKey(Control& control, int keyCode, int shift) {
    if (control.form().isLoaded()) sendKeyUp(control, keyCode, shift);
}

void typeCharacter(Control& control, int character) {
    auto [keyCode, shift] = keyFor(character);
    pressKey(control, keyCode, shift, character);
}

void type(Control& control, const QString& text) {
    if (control.kind() == ControlKind::TextBox) {
        auto& box = static_cast<TextBox&>(control);
        box.setSelStart(int(box.text().size()));
        box.setSelLength(0);
    }
    for (QChar character : text)
        typeCharacter(control, character.unicode());
}

void clear(TextBox& box) {
    paste(box, QString());
}

void paste(TextBox& box, const QString& text) {
    reach(box);
    if (box.locked) failAction(box, QStringLiteral("is locked"));
    box.setText(text);
}

} // namespace user
} // namespace forms
