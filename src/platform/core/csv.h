// Records of comma-separated files, as spreadsheets read them (RFC 4180).
#pragma once

#include <QString>
#include <QStringList>

namespace core {

// The fields separated by commas. A field that holds a comma, a double quote or a line end is enclosed in
// double quotes, with each double quote inside doubled; any other field is written as it is.
QString csvRecord(const QStringList& fields);

} // namespace core
