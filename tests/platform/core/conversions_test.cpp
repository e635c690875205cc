// Tables of the runtime's conversions, rounding and formats: value -> result or error, settings fixed.
#include "platform/core/conversions.h"
#include "platform/core/decimalnumber.h"
#include "platform/core/runtimeerror.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <functional>
#include <random>

using namespace core;

namespace {

const QVariant null;
const QString e6 = "error 6", e11 = "error 11", e13 = "error 13", e94 = "error 94";

QDateTime at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

// A value as a row states it: a number exactly, a text, a date with its time when it has one, null.
QString shown(const QVariant& value) {
    if (isNull(value)) return "null";
    if (value.typeId() == QMetaType::Double) return QString::number(value.toDouble(), 'g', 17);
    if (value.typeId() != QMetaType::QDateTime) return value.toString();
    QTime time = value.toDateTime().time();
    return value.toDateTime().toString(time == QTime(0, 0) ? "yyyy-MM-dd"
                                       : time.msec()       ? "yyyy-MM-dd hh:mm:ss.zzz"
                                                           : "yyyy-MM-dd hh:mm:ss");
}

using Rows = std::initializer_list<std::pair<QVariant, QVariant>>;

// Checks each row's result, "error N" for a runtime error; `what` names the conversion in failures.
void check(const QString& what, Rows rows, const std::function<QVariant(const QVariant&)>& convert) {
    for (const auto& [input, expected] : rows) {
        QString result;
        try {
            result = shown(convert(input));
        } catch (const RuntimeError& error) {
            result = QString("error %1").arg(error.number());
        }
        EXPECT_EQ(result.toStdString(), shown(expected).toStdString())
            << what.toStdString() << " of " << shown(input).toStdString();
    }
}

void checkFormat(const QString& pattern, Rows rows) {
    check("format " + pattern, rows, [&](const QVariant& v) { return format(v, pattern); });
}

// Other regional settings for one block; the defaults (dd/MM/yyyy, '.', ',') come back afterwards.
struct Region {
    explicit Region(const QString& dates, QChar point = '.', QChar group = ',') {
        setRegional({dates, point, group});
    }
    ~Region() { setRegional({}); }
};

} // namespace

// The tables are laid out by hand, several rows to a line.
// clang-format off

TEST(Val, readsTheNumberAtTheStartOfAText) {
    auto valOf = [](const QVariant& v) { return val(v); };
    check("Val", {
        {"1 2", 12}, {"  1 2 . 5  ", 12.5}, {"- 3", -3}, {"\t7\n", 7}, {"+7", 7}, {"1,5", 1}, {"1,234.50", 1},
        {"1e3", 1000}, {"1 e 2", 100}, {"2.5E-2", 0.025}, {"4e", 4}, {"4e+x", 4}, {"12abc", 12},
        {"1.2.3", 1.2}, {".5", 0.5}, {"-2E+2", -200}, {"0.0012", 0.0012}, {"", 0}, {"abc", 0}, {".", 0},
        {"-", 0}, {"--3", 0}, {"e5", 0}, {"$5", 0}, {12.5, 12.5}, {true, 0}, {null, e94}, {"1e999", e6},
        {"1e-999", 0}, {"1e99999999999", e6}, {"000123.4500", 123.45},
        {"1.7976931348623157e308", 1.7976931348623157e308}}, valOf);
    Region continental("dd/MM/yyyy", ',', '.');
    check("Val, comma decimals", {{"12.5", 12.5}, {"12,5", 12}}, valOf);
}

TEST(ToInteger, roundsHalvesToEvenAndChecksTheRange) {
    check("CLng", {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {" 1,234 ", 1234}, {"-42", -42}, {false, 0}, {null, e94},
        {"", e13}, {"abc", e13}, {"12abc", e13}, {"1 2", e13}, {"1,,2", e13}, {"1,", e13}, {",5", e13},
        {"1.2.3", e13}, {"- 5", e13}, {QDate(2024, 3, 5), e13}, {2147483647.0, 2147483647},
        {2147483648.0, e6}, {qint64(1) << 40, e6}}, toInt32);
    check("CInt", {
        {"1.5", 2}, {2.51, 3}, {"05", 5}, {true, -1}, {32767, 32767}, {-32768.5, -32768}, {32767.5, e6},
        {-32769, e6}, {"40000", e6}, {QVariant(QMetaType::fromType<int>()), e94}}, toInt16);
}

TEST(ToDouble, readsRegionalNumbers) {
    check("CDbl", {
        {"1,234.5", 1234.5}, {" -0.25 ", -0.25}, {"1e3", 1000}, {".5", 0.5}, {"5.", 5}, {"", e13},
        {"1.2.3", e13}, {"$5", e13}, {"1e", e13}, {"12 kg", e13}, {null, e94}, {"1e999", e6},
        {qint64(-9000000000), -9e9}}, toDouble);
    check("IsNumeric", {
        {" 12.5 ", true}, {"1,234", true}, {"-3", true}, {5, true}, {0.5, true}, {true, true},
        {QString(), false}, {"abc", false}, {null, false}, {"1e999", false},
        {QDate(2024, 3, 5), false}}, isNumeric);
    Region continental("dd/MM/yyyy", ',', '.');
    check("CDbl, comma decimals", {{"1.234,5", 1234.5}, {"1,5", 1.5}, {"1.5", 15}, {"1,5,0", e13}}, toDouble);
}

TEST(NumberText, fifteenSignificantDigitsAndExponentsOnlyAtTheExtremes) {
    auto text = [](const QVariant& v) { return numberText(v.toDouble()); };
    check("number text", {
        {0.5, "0.5"}, {100, "100"}, {-0.25, "-0.25"}, {0, "0"}, {-0.0, "0"}, {0.1 + 0.2, "0.3"},
        {0.0001, "0.0001"}, {1e15, "1E+15"}, {-2.5e20, "-2.5E+20"}, {1e-5, "1E-05"}, {1.5e-7, "1.5E-07"},
        {1e-100, "1E-100"}, {1.0 / 3, "0.333333333333333"}, {2.0 / 3, "0.666666666666667"},
        {123456789012345.0, "123456789012345"}, {4.9406564584124654e-324, "4.94065645841247E-324"}},
        text);
    check("CStr", {
        {42, "42"}, {12.0, "12"}, {0.1f, "0.1"}, {true, "True"}, {false, "False"}, {" as ", " as "},
        {null, e94}, {QVariant(QMetaType::fromType<double>()), e94}, {qint64(-9000000000), "-9000000000"},
        {QDate(2024, 3, 5), "05/03/2024"}, {at(2024, 3, 5, 9, 7, 3), "05/03/2024 09:07:03"}}, toText);
    check("null as empty", {{null, ""}, {QVariant(QMetaType::fromType<int>()), ""}, {5, "5"}}, nullAsEmpty);
    Region continental("dd/MM/yyyy", ',', '.');
    check("number text, comma decimals", {{1234.5, "1234,5"}, {2.5e-9, "2,5E-09"}}, text);
}

// Most values are written straight from their shortest digits: every value must read as its decimal digits
// write it, amounts of every size, values of every magnitude and any bits at all.
TEST(NumberText, writesEveryValueAsItsDecimalDigitsDo) {
    std::mt19937_64 random(20261208);
    const std::function<double()> kinds[] = {
        [&] { return double(std::int64_t(random() % 2000000000000) - 1000000000000) / 100; },
        [&] { return double(std::int64_t(random() % 20000000) - 10000000) / std::pow(10.0, random() % 8); },
        [&] { return std::ldexp(double(random() >> 11), int(random() % 90) - 80); },
        [&] { return std::bit_cast<double>(random()); },
    };
    QStringList differing;
    for (const auto& next : kinds) {
        for (int i = 0; i < 100000; ++i) {
            const double value = next();
            if (!std::isfinite(value)) continue;
            const QString text = numberText(value), digits = numberText(DecimalNumber::fromDouble(value));
            if (text != digits && differing.size() < 5) differing << text + " for " + digits;
        }
    }
    EXPECT_EQ(differing.join("; ").toStdString(), "");
}

// An engine's decimal digits: the text its decimal number has, or nothing where that number is written in
// scientific form or the digits are otherwise written.
TEST(NumberText, writesAnEnginesDecimalDigitsAsTheirDecimalNumber) {
    const std::pair<const char*, const char*> rows[] = { // "" for nothing
        {"125.50", "125.5"}, {"-3.10", "-3.1"}, {"0.00", "0"}, {"-0.00", "0"}, {"007.50", "7.5"},
        {"12", "12"}, {"0.0001", "0.0001"}, {"-0.05", "-0.05"}, {"123456789012345.6", "123456789012345.6"},
        {"0.00001", ""}, {"1234567890123456", ""}, {"NaN", ""}, {"1e5", ""}, {".5", ""}, {"1.2.3", ""},
        {"", ""}};
    for (const auto& [written, text] : rows) {
        const std::optional<QString> shown = numberText(std::string_view(written));
        EXPECT_EQ(shown.value_or(""), text) << written;
        if (shown) {
            EXPECT_EQ(*shown, numberText(DecimalNumber::parse(written))) << written;
        }
    }
}

TEST(RoundHalfEven, halvesGoToTheEvenNeighbourOnTheDecimalValue) {
    check("round to 2", {
        {0.125, 0.12}, {0.135, 0.14}, {-0.125, -0.12}, {1.005, 1.0}, {12.344, 12.34}, {12.346, 12.35},
        {9.996, 10.0}, {0.995, 1.0}, {0.005, 0.0}, {0.0049, 0.0}, {0.0051, 0.01}, {12.5 * 1.1, 13.75}},
        [](const QVariant& v) { return roundHalfEven(v.toDouble(), 2); });
    check("round to 0", {{2.5, 2.0}, {3.5, 4.0}, {-2.5, -2.0}, {2.500001, 3.0}},
          [](const QVariant& v) { return roundHalfEven(v.toDouble(), 0); });
    check("divide by 4", {{1, 0.25}, {-9, -2.25}}, [](const QVariant& v) { return divide(v.toDouble(), 4); });
    check("divide by 0", {{1, e11}, {0, e11}}, [](const QVariant& v) { return divide(v.toDouble(), 0); });
    check("divide by 1e-308", {{1e308, e6}}, [](const QVariant& v) { return divide(v.toDouble(), 1e-308); });
}

TEST(TruthAndBlanks, wordsNumbersAndTrimming) {
    check("CBool", {
        {"True", true}, {" TRUE ", true}, {"false", false}, {"1", true}, {"0", false}, {-1, true},
        {0.5, true}, {0, false}, {true, true}, {"yes", e13}, {"", e13}, {null, e94}}, toBool);
    check("trim", {{"  a b  ", "a b"}, {"\ta\t", "\ta\t"}, {" \na", "\na"}, {"   ", ""}, {QString(), ""}},
          [](const QVariant& v) { return trimBlanks(v.toString()); });
}

TEST(FormatNumber, patternsRoundHalvesAwayFromZeroOnTheDecimalValue) {
    checkFormat("0.00", {
        {12.5, "12.50"}, {0.5, "0.50"}, {0, "0.00"}, {-3.2, "-3.20"}, {2.675, "2.68"}, {1.005, "1.01"},
        {9.995, "10.00"}, {-0.001, "0.00"}, {0.0049, "0.00"}, {0.005, "0.01"}, {" 12 ", "12.00"},
        {true, "-1.00"}, {null, ""}, {1234.567, "1234.57"}, {1e20, "100000000000000000000.00"}});
    checkFormat("#0.00", {{12.5, "12.50"}, {0.125, "0.13"}, {-0.125, "-0.13"}, {"1,234.5", "1234.50"}});
    checkFormat("#0.00#", {{12.5, "12.50"}, {12.345, "12.345"}, {12.3456, "12.346"}, {2, "2.00"}});
    checkFormat("###,###,##0.00######", {
        {1234.5, "1,234.50"}, {123, "123.00"}, {"1234.5", "1,234.50"}, {0.123456789, "0.12345679"},
        {1234567.891, "1,234,567.891"}, {-1234567, "-1,234,567.00"},
        {1234567890123.0, "1,234,567,890,123.00"}, {"abc", "abc"}, {"12abc", "12abc"}, {"", ""}, {" ", " "},
        {"06/12/2026", "06/12/2026"}});
    checkFormat("###,###,##0.00", {{1234.5, "1,234.50"}});
    checkFormat("#.00", {{0.5, ".50"}});
    checkFormat("0000", {{7, "0007"}});
    checkFormat("#", {{7.6, "8"}});
    checkFormat("hh:nn", {{12.5, "12.5"}, {QDate(2024, 3, 5), "05/03/2024"}});
    checkFormat("", {{"x", "x"}});
    Region continental("dd/MM/yyyy", ',', '.');
    checkFormat("###,###,##0.00######", {{1234.5, "1.234,50"}});
    checkFormat("0.00", {{"1.234,5", "1234,50"}});
}

TEST(FormatDate, theSystemsPatternsInAnyLetterCaseWithEnglishMonthNames) {
    const QDate march5(2024, 3, 5), november9(2024, 11, 9);
    checkFormat("yyyy/mm/dd", {
        {march5, "2024/03/05"}, {at(2024, 3, 5, 14, 30), "2024/03/05"}, {"06/12/2026", "2026/12/06"},
        {"", ""}, {"hello", "hello"}, {"12", "12"}, {"32/01/2024", "32/01/2024"}, {"1,234.50", "1,234.50"},
        {12.5, "12.5"}});
    checkFormat("yyyymmdd", {{march5, "20240305"}, {"2026-12-06 10:11:12", "20261206"}});
    checkFormat("dd/mm/yyyy", {{march5, "05/03/2024"}, {"2026-12-06", "06/12/2026"}});
    checkFormat("yyyy/mmm/dd", {{march5, "2024/Mar/05"}});
    checkFormat("YYYY/MM/DD", {{november9, "2024/11/09"}});
    checkFormat("DD-Mmm-yy", {{november9, "09-Nov-24"}});
    checkFormat("d mmmm yyyy", {{november9, "9 November 2024"}});
    QStringList months;
    for (int month = 1; month <= 12; ++month)
        months << format(QDate(2024, month, 1), "mmmm");
    EXPECT_EQ(months.join(' '),
              "January February March April May June July August September October November December");
}

TEST(ToDateTime, readsTheShortDateFormAndIsoLikeTexts) {
    auto shortDateOf = [](const QVariant& v) { return shortDateText(v.toDateTime()); };
    check("CDate", {
        {"06/12/2026", "2026-12-06"}, {" 6/2/2026 ", "2026-02-06"}, {"06-12-2026", "2026-12-06"},
        {"06/12/26", "2026-12-06"}, {"06/12/29", "2029-12-06"}, {"06/12/30", "1930-12-06"},
        {"2026-12-06", "2026-12-06"}, {"2026/12/06", "2026-12-06"}, {"20261206", "2026-12-06"},
        {"2024/Mar/05", "2024-03-05"}, {QDate(2024, 3, 5), "2024-03-05"},
        {"06/12/2026 7:05", "2026-12-06 07:05:00"}, {"06/12/2026 14:05:09", "2026-12-06 14:05:09"},
        {"2026-12-06T14:05:09", "2026-12-06 14:05:09"}, {at(2024, 3, 5, 1, 2, 3), "2024-03-05 01:02:03"},
        {"2026-12-06 14:05:09.123", "2026-12-06 14:05:09"}, {"06/12/2026 25:00", e13},
        {"06/12/2026 10:5", e13}, {"06/12/2026 10:05:1", e13}, {"", e13}, {"abc", e13}, {"31/02/2026", e13},
        {"2026-12", e13}, {"06/12-2026", e13}, {5, e13}, {"06/12/2026x", e13}, {"123/12/2026", e13},
        {"06/12/20261", e13}, {"1,234.50", e13}, {null, e94}}, toDateTime);
    check("short date", {
        {QDate(2024, 3, 5), "05/03/2024"}, {at(2024, 3, 5, 14, 30), "05/03/2024 14:30:00"}, {QDateTime(), ""},
        {at(2024, 3, 5, 0, 0, 1), "05/03/2024 00:00:01"}}, shortDateOf);
    Region monthFirst("MM/dd/yyyy"); // each region replaces the one before
    check("CDate, month first", {{"12/06/2026", "2026-12-06"}, {"2026-12-06", "2026-12-06"}}, toDateTime);
    Region iso("yyyy-MM-dd");
    check("short date, yyyy-MM-dd", {{QDate(2024, 3, 5), "2024-03-05"}}, shortDateOf);
    Region named("d MMM yyyy");
    check("CDate, d MMM yyyy", {{"6 Dec 2026", "2026-12-06"}, {"6 Dec 2026 14:05:09", "2026-12-06 14:05:09"}},
          toDateTime);
    check("short date, d MMM yyyy", {{QDate(2026, 12, 6), "6 Dec 2026"}}, shortDateOf);
    checkFormat("yyyy/mm/dd", {{"25 Nov 2026", "2026/11/25"}});
}

// clang-format on
