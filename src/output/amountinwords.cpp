// Spelling of amounts: numbers below one hundred, groups of three digits with their scale, the laari.
#include "amountinwords.h"

#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace output {

namespace {

// Words of 0 to 20; 0 has none.
constexpr std::array<QStringView, 21> smallWords = {
    u"",         u"One",     u"Two",     u"Three",     u"Four",     u"Five",     u"Six",
    u"Seven",    u"Eight",   u"Nine",    u"Ten",       u"Eleven",   u"Twelve",   u"Thirteen",
    u"Fourteen", u"Fifteen", u"Sixteen", u"Seventeen", u"Eighteen", u"Nineteen", u"Twenty"};

// Words of the tens from twenty on; "Ninty" is how the voucher has always spelled it.
constexpr std::array<QStringView, 10> tensWords = {u"",      u"",      u"Twenty",  u"Thirty", u"Forty",
                                                   u"Fifty", u"Sixty", u"Seventy", u"Eighty", u"Ninty"};

// Scale words of the groups of three digits counted from the right. Billions and trillions get their
// own words: a group left without one would print a large amount as a far smaller one.
constexpr std::array<QStringView, 5> scaleWords = {u"", u" Thousand ", u" Million ", u" Billion ",
                                                   u" Trillion "};

// One thousand trillion: the first amount with no scale word left to spell it.
constexpr double firstUnspellable = 1e15;

void appendBelowHundred(QString& words, int value) {
    if (value <= 20) {
        words += smallWords[value];
        return;
    }
    words += tensWords[value / 10];
    if (value % 10 == 0) return;
    words += u' ';
    words += smallWords[value % 10];
}

// A hundreds word keeps its trailing blank even when nothing follows it ("Five Hundred  Only.").
void appendGroup(QString& words, int group) {
    if (group >= 100) {
        appendBelowHundred(words, group / 100);
        words += u" Hundred ";
    }
    appendBelowHundred(words, group % 100);
}

// Non-empty groups from the highest down, each with its scale word, joined by one blank; zero gives
// an empty text.
QString wholeWords(qint64 whole) {
    std::array<int, scaleWords.size()> groups{};
    for (int& group : groups) {
        group = static_cast<int>(whole % 1000);
        whole /= 1000;
    }
    QString words;
    for (auto g = groups.size(); g-- > 0;) {
        if (groups[g] == 0) continue;
        if (!words.isEmpty()) words += u' ';
        appendGroup(words, groups[g]);
        words += scaleWords[g];
    }
    return words;
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

QString ToWords(const QString& amount) {
    double rounded = core::roundHalfEven(core::toDouble(amount), 2);
    // A receipt amount is never negative; refusing one beats printing words that mean nothing.
    if (rounded < 0) throw core::RuntimeError::of(core::err::InvalidCall);
    if (rounded >= firstUnspellable) throw core::RuntimeError::of(core::err::Overflow);
    double whole = std::floor(rounded);
    // The fraction of a double is close to, not exactly, its hundredths: 1234.56 leaves 0.5599999...
    int laari = static_cast<int>(std::lround((rounded - whole) * 100));
    QString words = wholeWords(static_cast<qint64>(whole));
    if (laari != 0) {
        words += u" and ";
        appendBelowHundred(words, laari);
        words += u" Laari(s)";
    }
    words += u" Only.";
    return words;
}

QString UnitValue(const QString& digits) {
    if (digits.isEmpty() || digits.size() > 2 || !std::all_of(digits.begin(), digits.end(), isDigit))
        throw core::RuntimeError::of(core::err::InvalidCall);
    int value = 0;
    for (QChar digit : digits)
        value = value * 10 + (digit.unicode() - u'0');
    QString words;
    appendBelowHundred(words, value);
    return words;
}

} // namespace output
