// ASCII bytes written over a text.
#include "asciitext.h"

#include <algorithm>

namespace core {

bool assignAscii(QString& text, QByteArrayView bytes) {
    // The bits of every byte taken together, with no early way out: a loop the compiler runs many bytes at
    // a time.
    unsigned char bits = 0;
    for (char byte : bytes)
        bits |= static_cast<unsigned char>(byte);
    if (bits & 0x80) return false;
    text.resize(bytes.size());
    std::transform(bytes.begin(), bytes.end(), text.begin(), [](char c) { return QChar(char16_t(c)); });
    return true;
}

} // namespace core
