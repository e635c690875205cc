// Amounts of money in exact hundredths, amounts of the database exactly, and rates between currencies: what
// the module sums, compares, converts and stores, never through a double.
#pragma once

#include "decimalnumber.h"

#include <QString>
#include <QVariant>
#include <compare>
#include <optional>

namespace core {

class Money {
public:
    Money() = default;
    static Money fromCents(qint64 cents) { return Money(cents); }

    qint64 cents() const { return cents_; }
    bool isZero() const { return cents_ == 0; }
    // Two decimals after the given point, no thousands separator: "1234.50", "-0.25".
    QString text(QChar point = QLatin1Char('.')) const;
    // The shortest text of the same value: no trailing zero decimals and no point without decimals ("12.5",
    // "12").
    QString shortestText(QChar point = QLatin1Char('.')) const;

    auto operator<=>(const Money&) const = default;
    // A sum or difference beyond the range of hundredths is an overflow (error 6), never a wrapped value.
    Money operator+(Money other) const;
    Money operator-(Money other) const;
    Money& operator+=(Money other) { return *this = *this + other; }

private:
    explicit Money(qint64 cents) : cents_(cents) {}
    qint64 cents_ = 0;
};

// What the cashier types is read with the decimal point of the user's locale, the one the screen shows
// numbers with ("." in scenarios); any other separator makes a text no number, never another number.

// An amount as the database gives it, exactly to the ten-billionth: a number of up to 15 significant digits
// (a stored double's binary residue left out), or a numeric text or the engine's decimal digits
// (decimalvalue.h) taken as they are written. What is open on a
// document is worked out in it and rounded to hundredths once, by rounded(), for the lists, the settle
// dialog and the balance guard alike. Arithmetic beyond its range is an overflow (error 6).
class ExactAmount {
public:
    ExactAmount() = default;
    // A database value: a number, a decimal or a numeric text; error 13 for any other text, 94 for null.
    static ExactAmount of(const QVariant& value);
    static ExactAmount of(Money money);

    ExactAmount operator+(ExactAmount other) const;
    ExactAmount operator-(ExactAmount other) const;
    auto operator<=>(const ExactAmount&) const = default;
    // The one rounding of a balance: to hundredths, halves away from zero, as the lists show amounts.
    Money rounded() const;

private:
    using Units = __int128;
    explicit ExactAmount(Units units) : units_(units) {}
    static ExactAmount of(const core::DecimalNumber& number);
    Units units_ = 0;
};

// A factor between two currencies as the quotient of two selling rates, exactly as the rate list writes them
// (1 by default), so that an amount converted with it is worked out in decimal and rounded once.
class Rate {
public:
    Rate() = default;
    // Error 13 for a text that is no number; a rate of 0 divides by zero (error 11) when used.
    static Rate of(const QString& numerator, const QString& denominator);
    // The amount times the factor, to hundredths with halves to even; error 6 beyond range.
    Money convert(Money amount) const;
    // The factor as a receipt stores it, in a floating-point column: the nearest double of the quotient.
    double storedValue() const;

private:
    // A decimal of the rate list as digits times a power of ten (15.42 is 1542 and -2), with the nearest
    // double for the stored factor.
    struct Term {
        __int128 digits = 1;
        int power = 0;
        double value = 1;
    };
    static Term term(const QString& text);

    Term numerator_;
    Term denominator_;
};

// The value of a plain amount: ASCII digits with at most one decimal point and at most two decimals, at
// most 999,999,999,999.99, a bound every stored and printed form of an amount holds exactly. Nothing for
// any other text: empty, signed, with blanks, separators or an exponent, or with digits of another script.
std::optional<Money> plainAmount(const QString& text);

// Whether the text is ASCII digits with at most one decimal point, and some digit: the only form a typed
// number is read in.
bool isPlainNumber(const QString& text);

// What a plain amount is, for the messages refusing a text that is none.
QString plainAmountRule();

// Whether the number a typed text starts with (core::leadingNumber) is other than zero.
bool startsWithNonZero(const QString& text);

} // namespace core
