// Date format patterns: reading the tokens and writing a date with them.
#include "datepattern.h"

#include <array>

namespace core {

namespace {

const std::array<QString, 12>& englishMonths() {
    static const std::array<QString, 12> names = {
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    return names;
}

QString twoDigits(int number) {
    return QString::number(number).rightJustified(2, u'0');
}

} // namespace

std::optional<DatePattern::Token> DatePattern::tokenOf(QChar letter, qsizetype length) {
    switch (letter.toLower().unicode()) {
    case u'y':
        if (length == 2) return Token::Year2;
        if (length == 4) return Token::Year4;
        return std::nullopt;
    case u'm': {
        static constexpr Token months[] = {Token::Month, Token::Month2, Token::MonthAbbreviation,
                                           Token::MonthName};
        return length <= 4 ? std::optional(months[length - 1]) : std::nullopt;
    }
    case u'd':
        if (length <= 2) return length == 1 ? Token::Day : Token::Day2;
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

std::optional<DatePattern> DatePattern::parse(QStringView pattern) {
    DatePattern result;
    bool anyToken = false;
    for (qsizetype i = 0; i < pattern.size();) {
        QChar c = pattern[i];
        if (!c.isLetter()) {
            result.parts_.push_back({Token::Literal, c});
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < pattern.size() && pattern[end].toLower() == c.toLower())
            ++end;
        auto token = tokenOf(c, end - i);
        if (!token) return std::nullopt;
        result.parts_.push_back({*token, QChar()});
        anyToken = true;
        i = end;
    }
    if (!anyToken) return std::nullopt;
    return result;
}

QString DatePattern::apply(const QDate& date) const {
    QString text;
    for (const Part& part : parts_) {
        switch (part.token) {
        case Token::Literal:
            text += part.literal;
            break;
        case Token::Year2:
            text += twoDigits(date.year() % 100);
            break;
        case Token::Year4:
            text += QString::number(date.year()).rightJustified(4, u'0');
            break;
        case Token::Month:
            text += QString::number(date.month());
            break;
        case Token::Month2:
            text += twoDigits(date.month());
            break;
        case Token::MonthAbbreviation:
            text += englishMonths()[date.month() - 1].left(3);
            break;
        case Token::MonthName:
            text += englishMonths()[date.month() - 1];
            break;
        case Token::Day:
            text += QString::number(date.day());
            break;
        case Token::Day2:
            text += twoDigits(date.day());
            break;
        }
    }
    return text;
}

} // namespace core
