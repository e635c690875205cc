// Combo selection by item data and the numeric key filter.
#include "commongen.h"

#include "platform/forms/combobox.h"
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

void CommonGen::textvalidatenum(forms::TextBox& box, int& keyAscii, int limit, int decimals) {
    if (keyAscii == 8 || keyAscii == 13) return;
    // Only ASCII digits: every later reading of the text knows no other digits.
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    if (!digit && keyAscii != '.') {
        keyAscii = 0;
        return;
    }
    const QString result = textAfterKey(box, QChar(keyAscii));
    const int point = result.indexOf(QLatin1Char('.'));
    const bool tooManyPoints = point >= 0 && result.indexOf(QLatin1Char('.'), point + 1) >= 0;
    const bool tooManyDecimals = point >= 0 && result.size() - point - 1 > decimals;
    if (tooManyPoints || tooManyDecimals || result.size() > limit) keyAscii = 0;
}

} // namespace suite
