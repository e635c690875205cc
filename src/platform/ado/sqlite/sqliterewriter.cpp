// The token-level rewriting of the module's dialect for SQLite.
#include "sqliterewriter.h"

#include "platform/ado/dialect/translation.h"

namespace ado::sqlite {

using namespace dialect;

namespace {

const FunctionNames functionNames = {
    fn::isNull, fn::len,      fn::right,   fn::isNumeric,
    fn::toInt,  fn::dateDiff, fn::dateAdd, "strftime('%Y-%m-%d %H:%M:%f','now','localtime')"};

class SqliteTranslation : public Translation {
public:
    SqliteTranslation(const QString& sql, const Catalog& catalog)
        : Translation(sql, catalog, functionNames) {}

private:
    // A literal compared with a date takes the stored form; compared with anything but a number, it
    // compares the way the text columns compare.
    void compareLiteral(int i, ValueKind other) override {
        if (other == ValueKind::Date)
            toStoredDate(i);
        else if (other != ValueKind::Number)
            tokens().appendText(i, QStringLiteral(" COLLATE ") + QLatin1String(textCollation));
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
