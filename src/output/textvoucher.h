// The text voucher of a stored receipt, as a shop's line printer prints it.
#pragma once

#include <QString>

namespace output {

// Writes the voucher of the session shop's receipt, laid out by the settings file, to the print
// dialog's destination: the screen file on "To Screen", shown in the text viewer once written whole,
// else the settings' port. Each copy of a cancelled receipt starts with the cancelled mark and the
// reason stored with the cancellation. It is written in the encoding the key VoucherEncoding names
// (Latin-1 or UTF-8; Latin-1 when the key is missing, empty or unknown, an unknown name logged); each
// field that loses characters to the encoding is logged with the receipt's number, and the voucher still
// prints. The voucher is the entry window's procedure: a failure stops it where it is and is reported
// under the entry window's name as "printRvoucher", an output that fails named with the cause; a file
// then keeps its earlier content, a device or print command keeps the lines before the failure.
void printRvoucher(qint32 receiptId);

// count blanks; none for a count below 1.
QString PadSpaces(qint16 count);
// The text after as many blanks as put its trimmed middle at the middle of width, both halves rounded
// down; the text's own outer blanks stay.
QString CentreText(const QString& text, qint16 width);

} // namespace output
