// Texts written from ASCII bytes into a text's own storage: a listing read row after row writes each field
// over the one of the row before, without a new text a field.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace core {

// Writes the bytes over the text, in the storage it has when that is large enough; false, the text left as
// it was, when a byte is not ASCII.
bool assignAscii(QString& text, QByteArrayView bytes);

} // namespace core
