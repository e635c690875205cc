// Key codes follow the host's virtual key numbering: letters and digits are their upper-case
// character codes, the function keys count up from F1, the punctuation keys of a US keyboard are 186 and up.
#include "keystroke.h"

#include "platform/forms/control.h"
#include "platform/forms/userinput.h"

#include <QHash>
#include <QKeyEvent>

namespace qtview {

namespace {

int punctuationCode(int key) {
    static const QHash<int, int> codes{
        {Qt::Key_Semicolon, 186},    {Qt::Key_Colon, 186},      {Qt::Key_Equal, 187},
        {Qt::Key_Plus, 187},         {Qt::Key_Comma, 188},      {Qt::Key_Less, 188},
        {Qt::Key_Minus, 189},        {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190},
        {Qt::Key_Greater, 190},      {Qt::Key_Slash, 191},      {Qt::Key_Question, 191},
        {Qt::Key_QuoteLeft, 192},    {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
        {Qt::Key_BraceLeft, 219},    {Qt::Key_Backslash, 220},  {Qt::Key_Bar, 220},
        {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},
        {Qt::Key_QuoteDbl, 222},
    };
    return codes.value(key);
}

int namedKeyCode(int key) {
    static const QHash<int, int> codes{
        {Qt::Key_Backspace, forms::keys::Backspace},
        {Qt::Key_Tab, forms::keys::Tab},
        {Qt::Key_Backtab, forms::keys::Tab},
        {Qt::Key_Return, forms::keys::Enter},
        {Qt::Key_Enter, forms::keys::Enter},
        {Qt::Key_Escape, forms::keys::Escape},
        {Qt::Key_Space, forms::keys::Space},
        {Qt::Key_PageUp, forms::keys::PageUp},
        {Qt::Key_PageDown, forms::keys::PageDown},
        {Qt::Key_End, forms::keys::End},
        {Qt::Key_Home, forms::keys::Home},
        {Qt::Key_Left, forms::keys::Left},
        {Qt::Key_Up, forms::keys::Up},
        {Qt::Key_Right, forms::keys::Right},
        {Qt::Key_Down, forms::keys::Down},
        {Qt::Key_Insert, forms::keys::Insert},
        {Qt::Key_Delete, forms::keys::Delete},
    };
    return codes.value(key);
}

int keyCodeOf(int key) {
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key; // the toolkit numbers these keys by their character, as the host does
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return forms::keys::F1 + (key - Qt::Key_F1);
    if (const int code = namedKeyCode(key)) return code;
    return punctuationCode(key);
}

int shiftOf(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? forms::ShiftMask : 0) |
           (modifiers & Qt::ControlModifier ? forms::CtrlMask : 0) |
           (modifiers & Qt::AltModifier ? forms::AltMask : 0);
}

// Ctrl with a letter gives the control character (Ctrl+D is 4), Ctrl+Enter gives 10; Alt combinations
// and keys without text give none.
int characterOf(const QKeyEvent& event, int keyCode) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers & Qt::AltModifier) return 0;
    if (modifiers & Qt::ControlModifier) {
        if (keyCode == forms::keys::Enter) return forms::keys::CtrlEnter;
        return keyCode >= 'A' && keyCode <= 'Z' ? keyCode - 'A' + 1 : 0;
    }
    switch (keyCode) {
    case forms::keys::Backspace:
    case forms::keys::Enter:
    case forms::keys::Escape:
        return keyCode;
    case forms::keys::Tab:
        return 0; // Tab moves the focus rather than typing
    }
    const QString text = event.text();
    return !text.isEmpty() && text.at(0).unicode() >= 32 && text.at(0).unicode() != 127 ? text.at(0).unicode()
                                                                                        : 0;
}

} // namespace

KeyStroke keyStrokeOf(const QKeyEvent& event) {
    KeyStroke stroke;
    stroke.keyCode = keyCodeOf(event.key());
    stroke.shift = shiftOf(event.modifiers());
    stroke.character = characterOf(event, stroke.keyCode);
    return stroke;
}

} // namespace qtview
