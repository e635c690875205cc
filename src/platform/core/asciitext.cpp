// ASCII bytes written over a text.
#include "asciitext.h"

#include <algorithm>

namespace core {

bool assignAscii(QString& text, QByteArrayView bytes) {
    if (!std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; })) return false;
    text.resize(bytes.size());
    std::transform(bytes.begin(), bytes.end(), text.begin(), [](char c) { return QChar(char16_t(c)); });
    return true;
}

} // namespace core
