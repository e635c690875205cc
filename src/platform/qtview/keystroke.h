// Translation of a toolkit key event into the key code, shift state and character handlers see.
#pragma once

#include <Qt>

class QKeyEvent;

namespace qtview {

struct KeyStroke {
    int keyCode = 0;   // the host's virtual key code; 0 for a key the module cannot see
    int shift = 0;     // forms::ShiftState bits
    int character = 0; // the character the key produces (control characters included); 0 for none

    bool isEmpty() const { return keyCode == 0 && character == 0; }
};

KeyStroke keyStrokeOf(const QKeyEvent& event);
// Up, Down, Home and End: the keys that move a list's choice.
bool isMovementKey(int keyCode);
// The toolkit's key for a key code; Qt::Key_unknown for a code no key has.
Qt::Key qtKeyOf(int keyCode);

} // namespace qtview
