// The token-level rewriting of the module's dialect for PostgreSQL.
#include "postgresrewriter.h"

#include "platform/ado/dialect/tokenlist.h"
#include "platform/ado/dialect/translation.h"

namespace ado::postgres {

using namespace dialect;

namespace {

// The functions of dialect.sql, where the engine's own right and casts answer otherwise. The local time is
// statement_timestamp(), taken per statement (CURRENT_TIMESTAMP holds for the whole transaction); the
// session's time zone is the counter's, so without its zone it is the counter's wall clock.
const FunctionNames functionNames = {
    "coalesce", "tsql_len",      "tsql_right",   "tsql_isnumeric",
    "tsql_int", "tsql_datediff", "tsql_dateadd", "statement_timestamp()::timestamp(3)"};

class PostgresTranslation : public Translation {
public:
    PostgresTranslation(const QString& sql, const Catalog& catalog)
        : Translation(sql, catalog, functionNames) {
        for (int i = 0; i < tokens().size(); ++i)
            if (tokens()[i].kind == TokenKind::QuotedName) foldName(i);
    }

private:
    // [name] in lower case; the shared pass puts the engine's quotes on it.
    void foldName(int i) {
        tokens().setText(i, u'[' + tokens()[i].value().toLower().replace(u']', QStringLiteral("]]")) + u']');
    }

    void compareLiteral(int i, ValueKind other) override {
        if (other == ValueKind::Date)
            toStoredDate(i);
        else if (other == ValueKind::Text)
            tokens().appendText(i, QStringLiteral(" COLLATE ") + QLatin1String(textCollation));
    }

    // The engine refuses LIKE under the text columns' collation and matches case under the others: ILIKE
    // under ICU's root collation, which ignores case in every alphabet. Each side is cast to text, so that a
    // number matches as its digits, as on the server. A backslash is a plain character in the server's
    // patterns: without an ESCAPE clause none is taken.
    void readLike(int like) override {
        const int leftEnd = tokens().isWord(like - 1, u"not") ? like - 2 : like - 1;
        const int leftStart = kinds().expressionStart(leftEnd), rightEnd = kinds().expressionEnd(like + 1);
        if (leftStart < 0 || rightEnd < 0) return;
        toMatchedText(leftStart, leftEnd);
        toMatchedText(like + 1, rightEnd);
        tokens().setText(like, QStringLiteral("ILIKE"));
        if (!tokens().isWord(rightEnd + 1, u"escape"))
            tokens().appendText(rightEnd, QStringLiteral(" ESCAPE ''"));
    }

    void toMatchedText(int first, int last) {
        tokens().setText(first, QStringLiteral("cast(") + tokens()[first].text);
        tokens().appendText(last, QStringLiteral(" as text) COLLATE \"und-x-icu\""));
    }

    void callFunction(Function function, int i) override {
        Translation::callFunction(function, i);
        if (function == Function::IsNull) castNumberToText(i);
    }

    // coalesce(a, b): the engine matches no text with a number, the server converts b to a's type.
    void castNumberToText(int i) {
        int comma = tokens().endOfListItem(i + 2), close = tokens().matching(i + 1);
        if (!tokens().isSymbol(comma, u",") || close < 0) return;
        if (kinds().endingAt(comma - 1) != ValueKind::Text ||
            kinds().startingAt(comma + 1) != ValueKind::Number)
            return;
        tokens().setText(comma + 1, QStringLiteral("cast(") + tokens()[comma + 1].text);
        tokens().appendText(close - 1, QStringLiteral(" as text)"));
    }
};

// The server sorts nulls first, the engine last: each item of an order by says where its nulls go (an
// ascending item first, a descending one last). A statement without the word is not read again.
QString withServerNullOrder(const QString& sql) {
    if (!sql.contains(u"order", Qt::CaseInsensitive)) return sql;
    TokenList list(sql);
    for (int i = 0; i + 1 < list.size(); ++i) {
        if (!list.isWord(i, u"order") || !list.isWord(i + 1, u"by")) continue;
        for (int item = i + 2; item < list.size(); item = list.endOfListItem(item) + 1) {
            int end = list.endOfListItem(item), last = end - 1;
            while (list.isSymbol(last, u";"))
                --last;
            list.appendText(last, list.isWord(last, u"desc") ? QStringLiteral(" NULLS LAST")
                                                             : QStringLiteral(" NULLS FIRST"));
            if (!list.isSymbol(end, u",")) break;
        }
    }
    return list.toString();
}

} // namespace

QString PostgresRewriter::translate(const QString& sql) const {
    return withServerNullOrder(PostgresTranslation(sql, catalog_).run());
}

QString PostgresRewriter::translate(const QString& sql, const std::vector<int>& lifted) const {
    return withServerNullOrder(PostgresTranslation(sql, catalog_).run(lifted, u'$'));
}

} // namespace ado::postgres
