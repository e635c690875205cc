// Report parameters: which values each type takes, and how queries and run records see them.
#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"
#include "platform/report/parameterfield.h"

#include <gtest/gtest.h>

namespace {

using report::ParameterField;
using report::ParameterType;

ParameterField numberField() {
    return ParameterField({QStringLiteral("intReceiptID"), ParameterType::Number});
}
ParameterField textField() {
    return ParameterField({QStringLiteral("strUserName"), ParameterType::Text});
}

qint64 errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const rt::RuntimeError& error) {
        return error.number();
    }
    return 0;
}

TEST(ParameterField, numberTakesNumbersAndNumericTextsInTheirShortestForm) {
    ParameterField field = numberField();
    field.setCurrentValue(7.0);
    EXPECT_EQ(field.text(), "7");
    EXPECT_EQ(field.sqlLiteral(), "7");
    field.setCurrentValue(QStringLiteral(" 1,234.5 "));
    EXPECT_EQ(field.text(), "1234.5");
    EXPECT_EQ(field.sqlLiteral(), "1234.5");
    field.setCurrentValue(qint32(-3));
    EXPECT_EQ(field.sqlLiteral(), "-3");
}

TEST(ParameterField, numberRefusesTextsThatAreNoNumberAndNull) {
    ParameterField field = numberField();
    EXPECT_EQ(errorOf([&] { field.setCurrentValue(QStringLiteral("5; drop table x")); }),
              rt::err::TypeMismatch);
    EXPECT_EQ(errorOf([&] { field.setCurrentValue(QVariant()); }), rt::err::InvalidUseOfNull);
    EXPECT_EQ(errorOf([&] { field.sqlLiteral(); }), rt::err::InvalidCall);
}

TEST(ParameterField, queriesSeeAPointAsDecimalSeparatorWhateverTheRegionalSettings) {
    const rt::Regional saved = rt::regional();
    rt::setRegional({QStringLiteral("dd.MM.yyyy"), QLatin1Char(','), QLatin1Char('.')});
    ParameterField field = numberField();
    field.setCurrentValue(QStringLiteral("15,42"));
    const QString literal = field.sqlLiteral();
    const QString text = field.text();
    rt::setRegional(saved);
    EXPECT_EQ(literal, "15.42");
    EXPECT_EQ(text, "15,42");
}

TEST(ParameterField, textIsQuotedWithApostrophesDoubledAndKeepsItsBlanks) {
    ParameterField field = textField();
    field.setCurrentValue(QStringLiteral("Receipts "));
    EXPECT_EQ(field.text(), "Receipts ");
    EXPECT_EQ(field.sqlLiteral(), "'Receipts '");
    field.setCurrentValue(QStringLiteral("O'Neil"));
    EXPECT_EQ(field.sqlLiteral(), "'O''Neil'");
    field.setCurrentValue(12);
    EXPECT_EQ(field.sqlLiteral(), "'12'");
    EXPECT_EQ(errorOf([&] { field.setCurrentValue(QVariant()); }), rt::err::InvalidUseOfNull);
}

TEST(ParameterField, withoutCurrentValueItPrintsNothingAndCannotEnterAQuery) {
    const ParameterField field = textField();
    EXPECT_EQ(field.text(), "");
    try {
        field.sqlLiteral();
        FAIL() << "a parameter without a value entered a query";
    } catch (const rt::RuntimeError& error) {
        EXPECT_EQ(error.number(), rt::err::InvalidCall);
        EXPECT_EQ(error.description(), "The report parameter strUserName has no current value");
    }
}

} // namespace
