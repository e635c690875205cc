// Combo selection by item data and the numeric key filter.
#include "commongen.h"

#include "platform/core/conversions.h"
#include "platform/forms/combobox.h"
#include "platform/forms/runtime.h"
#include "platform/forms/textcontrols.h"

namespace suite {

void CommonGen::SelectComboItemByValue(forms::ComboBox& combo, qint32 value) {
    for (int i = 0; i < combo.listCount(); ++i) {
        if (combo.itemData(i) == value) {
            combo.setListIndex(i);
            return;
        }
    }
}

// The text the box would hold once the key is accepted: typing replaces the selection.
static QString textAfterKey(const forms::TextBox& box, QChar key) {
    QString text = box.text();
    const int start = qBound(0, box.selStart(), int(text.size()));
    const int length = qBound(0, box.selLength(), int(text.size()) - start);
    return text.replace(start, length, key);
}

// A refused key is kept out of the text, and the user hears it.
static void refuseKey(int& keyAscii) {
    keyAscii = 0;
    forms::Runtime::beep();
}

// A number is typed with the decimal separator of the user's locale. A separator that is not the decimal
// point is kept as typed, never dropped so that the digits around it run together into another number: the
// amount is refused when it is taken. Only ASCII digits count as digits: every later reading of the text
// knows no other. Control keys (Backspace, Enter, Ctrl with a letter for the editing shortcuts) are no
// characters of the number and pass untouched.
void CommonGen::textvalidatenum(forms::TextBox& box, int& keyAscii, int limit, int decimals) {
    if (keyAscii < ' ') return;
    const core::Regional& regional = core::regional();
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    const bool separator = keyAscii == '.' || keyAscii == ',' ||
                           keyAscii == regional.decimalPoint.unicode() ||
                           keyAscii == regional.thousandsSeparator.unicode();
    if (!digit && !separator) return refuseKey(keyAscii);
    const QString result = textAfterKey(box, QChar(keyAscii));
    const int point = result.indexOf(regional.decimalPoint);
    const bool tooManyDecimals = digit && point >= 0 && result.size() - point - 1 > decimals;
    if (tooManyDecimals || result.size() > limit) refuseKey(keyAscii);
}

} // namespace suite
