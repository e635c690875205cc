// Key codes follow the host's virtual key numbering: letters and digits are their upper-case
// character codes, the function keys count up from F1, the punctuation keys of a US keyboard are 186 and up.
#include "keystroke.h"

#include "platform/forms/control.h"
#include "platform/forms/userinput.h"

#include <QKeyEvent>
#include <span>
#include <utility>

namespace qtview {

namespace {

using KeyPair = std::pair<Qt::Key, int>;

// The punctuation keys of a US keyboard, both characters of each key.
constexpr KeyPair PunctuationCodes[] = {
    {Qt::Key_Semicolon, 186},    {Qt::Key_Colon, 186},      {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},         {Qt::Key_Comma, 188},      {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},        {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},      {Qt::Key_Slash, 191},      {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},    {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},    {Qt::Key_Backslash, 220},  {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
};

constexpr KeyPair NamedKeyCodes[] = {
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

// Shift and Ctrl pressed alone type nothing and reach no handler; a script may still press them.
constexpr KeyPair ModifierKeys[] = {{Qt::Key_Shift, forms::keys::Shift},
                                    {Qt::Key_Control, forms::keys::Control}};

constexpr int LastFunctionKey = forms::keys::F1 + (Qt::Key_F24 - Qt::Key_F1);

// The toolkit numbers letters and digits by their character, as the host does.
bool isLetterOrDigit(int key) {
    return (key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9);
}

template <class Match> const KeyPair* findKey(Match&& match) {
    for (const std::span<const KeyPair> table :
         {std::span<const KeyPair>(NamedKeyCodes), std::span<const KeyPair>(PunctuationCodes)})
        for (const KeyPair& pair : table)
            if (match(pair)) return &pair;
    return nullptr;
}

int keyCodeOf(int key) {
    if (isLetterOrDigit(key)) return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return forms::keys::F1 + (key - Qt::Key_F1);
    const KeyPair* found = findKey([key](const KeyPair& pair) { return pair.first == key; });
    return found ? found->second : 0;
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

bool isMovementKey(int keyCode) {
    return keyCode == forms::keys::Up || keyCode == forms::keys::Down || keyCode == forms::keys::Home ||
           keyCode == forms::keys::End;
}

// The first key of the tables with the code.
Qt::Key qtKeyOf(int keyCode) {
    if (isLetterOrDigit(keyCode)) return Qt::Key(keyCode);
    if (keyCode >= forms::keys::F1 && keyCode <= LastFunctionKey)
        return Qt::Key(Qt::Key_F1 + (keyCode - forms::keys::F1));
    for (const KeyPair& modifier : ModifierKeys)
        if (modifier.second == keyCode) return modifier.first;
    const KeyPair* found = findKey([keyCode](const KeyPair& pair) { return pair.second == keyCode; });
    return found ? found->first : Qt::Key_unknown;
}

KeyStroke keyStrokeOf(const QKeyEvent& event) {
    KeyStroke stroke;
    stroke.keyCode = keyCodeOf(event.key());
    stroke.shift = shiftOf(event.modifiers());
    stroke.character = characterOf(event, stroke.keyCode);
    return stroke;
}

} // namespace qtview
