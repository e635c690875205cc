// The form an amount entered in the entry window or the settle dialog must have before it is taken.
#pragma once

#include <QString>
#include <optional>

namespace entry {

// The value of a plain amount: ASCII digits with at most one '.' and at most two decimals, at most
// 999,999,999,999.99, a bound every stored and printed form of an amount holds exactly. Nothing for any
// other text: empty, signed, with blanks, separators or an exponent, or with digits of another script.
std::optional<double> plainAmount(const QString& text);

// What a plain amount is, for the messages refusing a text that is none.
QString plainAmountRule();

} // namespace entry
