// Number format patterns made of digit placeholders, a thousands comma and one decimal point.
#pragma once

#include <QString>
#include <optional>

namespace core {

// "0" is a digit always shown, "#" a digit shown when significant; a comma among the integer
// placeholders asks for thousands separators. Output uses the regional separators.
class NumberPattern {
public:
    // No pattern when the text holds anything else or no placeholder at all.
    static std::optional<NumberPattern> parse(QStringView pattern);

    // Halves go away from zero on the 15-digit decimal value; a zero result carries no sign.
    QString apply(double value) const;

private:
    int minIntegerDigits_ = 0;
    bool grouped_ = false;
    int minDecimals_ = 0;
    int maxDecimals_ = 0;
};

} // namespace core
