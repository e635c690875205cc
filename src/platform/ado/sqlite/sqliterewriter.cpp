// The token-level rewriting of the module's dialect for SQLite.
#include "sqliterewriter.h"

#include "platform/ado/dialect/datetext.h"
#include "platform/ado/dialect/translation.h"
#include "platform/ado/quoting.h"

namespace ado::sqlite {

using namespace dialect;

namespace {

const QString localNow = QStringLiteral("strftime('%Y-%m-%d %H:%M:%f','now','localtime')");

class SqliteTranslation : public Translation {
public:
    using Translation::Translation;

private:
    void joinTexts(int plus) override { tokens().setText(plus, QStringLiteral("||")); }

    // A literal compared with a date takes the stored form; compared with anything but a number, it
    // compares the way the text columns compare.
    void compareLiteral(int i, ValueKind other) override {
        if (other == ValueKind::Date)
            toStoredDate(i);
        else if (other != ValueKind::Number)
            tokens().appendText(i, QStringLiteral(" COLLATE ") + QLatin1String(textCollation));
    }

    void storeLiteral(int i, ValueKind column) override {
        if (column == ValueKind::Date) toStoredDate(i);
    }

    // A date the server would read becomes the stored form; any other text is left for the comparison.
    void toStoredDate(int i) {
        if (auto canonical = canonicalFormOf(tokens()[i].value())) tokens().setText(i, quoted(*canonical));
    }

    void callFunction(Function function, int i) override {
        switch (function) {
        case Function::IsNull:
            return rename(i, fn::isNull);
        case Function::Len:
            return rename(i, fn::len);
        case Function::Right:
            return rename(i, fn::right);
        case Function::IsNumeric:
            return rename(i, fn::isNumeric);
        case Function::ConvertToInt:
            return rewriteConvert(i);
        case Function::DateDiff:
            return rewriteDateFunction(i, fn::dateDiff);
        case Function::DateAdd:
            return rewriteDateFunction(i, fn::dateAdd);
        case Function::GetDate:
            tokens().remove(i + 1);
            tokens().remove(i + 2);
            [[fallthrough]];
        case Function::CurrentTimestamp:
            return tokens().setText(i, localNow);
        }
    }

    void rename(int i, const char* function) { tokens().setText(i, QLatin1String(function)); }

    // convert(int, x) -> tsql_int(x)
    void rewriteConvert(int i) {
        rename(i, fn::toInt);
        tokens().remove(i + 2);
        tokens().remove(i + 3);
    }

    // datediff(day, a, b) -> tsql_datediff('day', a, b)
    void rewriteDateFunction(int i, const char* function) {
        rename(i, function);
        tokens().setText(i + 2, quoted(tokens()[i + 2].text.toLower()));
    }
};

} // namespace

QString SqliteRewriter::translate(const QString& sql) const {
    return SqliteTranslation(sql, catalog_).run();
}

QString SqliteRewriter::translate(const QString& sql, const std::vector<int>& lifted) const {
    return SqliteTranslation(sql, catalog_).run(lifted);
}

} // namespace ado::sqlite
