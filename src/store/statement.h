// Statement texts written whole, with named values filled into them in one call.
#pragma once

#include <QString>
#include <initializer_list>
#include <utility>

namespace store {

using StatementValue = std::pair<QString, QString>;

// The text with each ":name" (a colon and a name of letters, digits and underscores) replaced by the
// value given for that name, exactly as given: the values are written into the text, they are not bound
// parameters. A name without a value fails with error 5, so that no placeholder reaches the database.
QString statement(const QString& text, std::initializer_list<StatementValue> values);

} // namespace store
