// Spelling of amounts: numbers below one hundred, groups of three digits with their scale, the laari.
#include "amountinwords.h"

#include "platform/core/conversions.h"
#include "platform/core/decimalnumber.h"
#include "platform/core/runtimeerror.h"

#include <algorithm>
#include <array>
#include <string>

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

// Whole digits up to the trillions: one thousand trillion is the first amount with no scale word left.
constexpr size_t SpellableWholeDigits = 15;

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

// The amount exactly as written, to hundredths with halves to even; the regional point and separators are
// read as the runtime reads a number (error 13 for a text that is none).
core::DecimalNumber writtenAmount(const QString& amount) {
    core::toDouble(amount);
    QString ascii = core::trimBlanks(amount).remove(core::regional().thousandsSeparator);
    ascii.replace(core::regional().decimalPoint, u'.');
    if (ascii.startsWith(u'+')) ascii.remove(0, 1);
    return core::DecimalNumber::parse(ascii.toStdString()).rounded(2, core::DecimalNumber::Halves::ToEven);
}

qint64 wholeNumberOf(const std::string& digits) {
    qint64 value = 0;
    for (char digit : digits)
        value = value * 10 + (digit - '0');
    return value;
}

} // namespace

QString ToWords(const QString& amount) {
    const core::DecimalNumber rounded = writtenAmount(amount);
    // A receipt amount is never negative; refusing one beats printing words that mean nothing.
    if (rounded.isNegative() && !rounded.isZero()) throw core::RuntimeError::of(core::err::InvalidCall);
    const std::string whole = rounded.integerDigits();
    if (whole.size() > SpellableWholeDigits) throw core::RuntimeError::of(core::err::Overflow);
    std::string hundredths = rounded.fractionDigits();
    hundredths.resize(2, '0');
    const int laari = int(wholeNumberOf(hundredths));
    QString words = wholeWords(wholeNumberOf(whole));
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
