// Date format patterns of y, m and d tokens, written without regard to letter case.
#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

namespace core {

// "yyyy" and "yy" years; "m", "mm" months as numbers, "mmm" and "mmmm" as English names; "d" and
// "dd" days. Other characters are written as they are, except letters, which no pattern holds.
class DatePattern {
public:
    static std::optional<DatePattern> parse(QStringView pattern);

    QString apply(const QDate& date) const;

private:
    enum class Token { Literal, Year2, Year4, Month, Month2, MonthAbbreviation, MonthName, Day, Day2 };
    struct Part {
        Token token;
        QChar literal;
    };

    static std::optional<Token> tokenOf(QChar letter, qsizetype length);

    std::vector<Part> parts_;
};

} // namespace core
