// The token-level rewriting of the module's dialect for SQLite.
#include "sqliterewriter.h"

#include "platform/ado/connection.h"
#include "platform/ado/dialect/datetext.h"
#include "platform/ado/dialect/servervalues.h"
#include "platform/ado/dialect/tokenlist.h"

#include <QSet>
#include <optional>

namespace ado::sqlite {

using namespace dialect;

namespace {

const QString localNow = QStringLiteral("strftime('%Y-%m-%d %H:%M:%f','now','localtime')");

// Words after which an operator cannot take an operand on its left, or which cannot start one.
bool isOperatorWord(const Token& token) {
    static const QSet<QString> words = {
        QStringLiteral("select"),   QStringLiteral("where"),   QStringLiteral("and"),
        QStringLiteral("or"),       QStringLiteral("not"),     QStringLiteral("when"),
        QStringLiteral("then"),     QStringLiteral("else"),    QStringLiteral("on"),
        QStringLiteral("by"),       QStringLiteral("having"),  QStringLiteral("set"),
        QStringLiteral("values"),   QStringLiteral("in"),      QStringLiteral("is"),
        QStringLiteral("like"),     QStringLiteral("between"), QStringLiteral("return"),
        QStringLiteral("distinct"), QStringLiteral("all"),     QStringLiteral("top"),
        QStringLiteral("from"),     QStringLiteral("as"),      QStringLiteral("exists"),
        QStringLiteral("escape"),
    };
    return token.kind == TokenKind::Word && words.contains(token.text.toLower());
}

bool isComparison(const Token& token) {
    static const QSet<QString> operators = {QStringLiteral("="), QStringLiteral("<>"), QStringLiteral("!="),
                                            QStringLiteral("<"), QStringLiteral(">"),  QStringLiteral("<="),
                                            QStringLiteral(">=")};
    return token.kind == TokenKind::Symbol && operators.contains(token.text);
}

bool isIntType(const Token& token) {
    return token.isWord(u"int") || token.isWord(u"integer");
}

ValueKind kindOfFunction(const QString& name) {
    static const QSet<QString> text = {
        QStringLiteral("upper"),     QStringLiteral("lower"),     QStringLiteral("ltrim"),
        QStringLiteral("rtrim"),     QStringLiteral("trim"),      QStringLiteral("left"),
        QStringLiteral("right"),     QStringLiteral("replace"),   QStringLiteral("char"),
        QStringLiteral("space"),     QStringLiteral("substring"), QStringLiteral("str"),
        QStringLiteral("replicate"), QStringLiteral("reverse"),
    };
    static const QSet<QString> number = {
        QStringLiteral("len"),      QStringLiteral("count"),     QStringLiteral("sum"),
        QStringLiteral("avg"),      QStringLiteral("abs"),       QStringLiteral("round"),
        QStringLiteral("floor"),    QStringLiteral("ceiling"),   QStringLiteral("isnumeric"),
        QStringLiteral("datediff"), QStringLiteral("charindex"), QStringLiteral("datalength"),
    };
    QString lower = name.toLower();
    if (text.contains(lower)) return ValueKind::Text;
    if (number.contains(lower)) return ValueKind::Number;
    if (lower == QLatin1String("getdate") || lower == QLatin1String("dateadd")) return ValueKind::Date;
    return ValueKind::Unknown;
}

class Translation {
public:
    Translation(const QString& sql, const Catalog& catalog) : list_(sql), catalog_(catalog) {
        for (int i = 0; i < list_.size(); ++i)
            if (isName(list_[i]) && catalog_.hasTable(list_[i].value())) tables_ << list_[i].value();
    }

    QString run() {
        for (int i = 0; i < list_.size(); ++i)
            rewriteOperands(i);
        rewriteInsertedDates();
        for (int i = 0; i < list_.size(); ++i)
            rewriteFunction(i);
        for (int i = 0; i < list_.size(); ++i)
            rewriteQuoting(i);
        return list_.toString();
    }

private:
    static bool isName(const Token& token) {
        return token.kind == TokenKind::Word || token.kind == TokenKind::QuotedName;
    }

    ValueKind kindOfCall(int name) const {
        if (list_.isWord(name, u"convert"))
            return isIntType(list_[name + 2]) ? ValueKind::Number : ValueKind::Unknown;
        return kindOfFunction(list_[name].text);
    }

    ValueKind kindOfName(const Token& token) const {
        if (token.isWord(u"CURRENT_TIMESTAMP")) return ValueKind::Date;
        return catalog_.columnKind(tables_, token.value());
    }

    // Kind of the operand whose last token is at i; nothing when i ends no operand.
    std::optional<ValueKind> kindEndingAt(int i) const {
        const Token& token = list_[i];
        switch (token.kind) {
        case TokenKind::String:
            return ValueKind::Text;
        case TokenKind::Number:
            return ValueKind::Number;
        case TokenKind::Word:
            if (isOperatorWord(token)) return std::nullopt;
            [[fallthrough]];
        case TokenKind::QuotedName:
            return kindOfName(token);
        default:
            break;
        }
        if (!token.isSymbol(u")")) return std::nullopt;
        int open = list_.matching(i);
        return list_.isCall(open - 1) ? kindOfCall(open - 1) : ValueKind::Unknown;
    }

    // Kind of the operand whose first token is at i; nothing when no operand starts there.
    std::optional<ValueKind> kindStartingAt(int i) const {
        const Token& token = list_[i];
        if (token.kind == TokenKind::String) return ValueKind::Text;
        if (token.kind == TokenKind::Number) return ValueKind::Number;
        if (token.isSymbol(u"(")) return ValueKind::Unknown;
        if (!isName(token) || isOperatorWord(token)) return std::nullopt;
        if (list_.isCall(i)) return kindOfCall(i);
        if (list_.isSymbol(i + 1, u".")) return kindStartingAt(i + 2);
        return kindOfName(token);
    }

    void rewriteOperands(int i) {
        if (list_.isSymbol(i, u"+"))
            rewritePlus(i);
        else if (isComparison(list_[i]))
            rewriteComparison(i);
        else if (list_.isWord(i, u"between"))
            rewriteBetween(i);
    }

    void rewritePlus(int i) {
        auto left = kindEndingAt(i - 1), right = kindStartingAt(i + 1);
        if (!left || !right) return;
        auto numeric = [](ValueKind kind) { return kind == ValueKind::Number || kind == ValueKind::Date; };
        bool text = *left == ValueKind::Text || *right == ValueKind::Text;
        if (text && !numeric(*left) && !numeric(*right)) list_.setText(i, QStringLiteral("||"));
    }

    void rewriteComparison(int i) {
        if (list_[i + 1].kind == TokenKind::String)
            rewriteLiteral(i + 1, kindEndingAt(i - 1).value_or(ValueKind::Unknown));
        else if (list_[i - 1].kind == TokenKind::String)
            rewriteLiteral(i - 1, kindStartingAt(i + 1).value_or(ValueKind::Unknown));
    }

    void rewriteBetween(int i) {
        ValueKind kind = kindEndingAt(i - 1).value_or(ValueKind::Unknown);
        bool literals = list_[i + 1].kind == TokenKind::String && list_.isWord(i + 2, u"and") &&
                        list_[i + 3].kind == TokenKind::String;
        if (!literals) return;
        rewriteLiteral(i + 1, kind);
        rewriteLiteral(i + 3, kind);
    }

    // A literal meeting a value of the given kind: a date in the stored form, or a text compared
    // the way the text columns compare.
    void rewriteLiteral(int i, ValueKind other) {
        if (other == ValueKind::Number) return;
        if (other == ValueKind::Date) {
            if (auto canonical = canonicalFormOf(list_[i].value())) list_.setText(i, quoted(*canonical));
            return;
        }
        list_.appendText(i, QStringLiteral(" COLLATE ") + QLatin1String(textCollation));
    }

    // insert into T (c1, c2, ...) values (v1, v2, ...)[, (...)]: dates written to date columns.
    void rewriteInsertedDates() {
        if (!list_.isWord(0, u"insert")) return;
        int table = list_.isWord(1, u"into") ? 2 : 1;
        int open = table + 1;
        if (!isName(list_[table]) || !list_.isSymbol(open, u"(")) return;
        QStringList columns;
        for (int i = open + 1; i < list_.matching(open); i = list_.endOfListItem(i) + 1)
            columns << list_[i].value();
        int values = list_.matching(open) + 1;
        if (!list_.isWord(values, u"values")) return;
        for (int row = values + 1; list_.isSymbol(row, u"("); row = list_.matching(row) + 2) {
            rewriteRowDates(list_[table].value(), columns, row);
            if (!list_.isSymbol(list_.matching(row) + 1, u",")) break;
        }
    }

    void rewriteRowDates(const QString& table, const QStringList& columns, int open) {
        int item = open + 1;
        for (const QString& column : columns) {
            int end = list_.endOfListItem(item);
            bool literal = end == item + 1 && list_[item].kind == TokenKind::String;
            if (literal && catalog_.columnKind(table, column) == ValueKind::Date)
                rewriteLiteral(item, ValueKind::Date);
            if (!list_.isSymbol(end, u",")) return;
            item = end + 1;
        }
    }

    void rewriteFunction(int i) {
        if (list_.isWord(i, u"CURRENT_TIMESTAMP") && !list_.isCall(i)) {
            list_.setText(i, localNow);
            return;
        }
        if (!list_.isCall(i)) return;
        static const std::pair<const char16_t*, const char*> renamed[] = {
            {u"isnull", fn::isNull},
            {u"len", fn::len},
            {u"right", fn::right},
            {u"isnumeric", fn::isNumeric},
        };
        for (const auto& [name, function] : renamed)
            if (list_.isWord(i, name)) list_.setText(i, QLatin1String(function));
        if (list_.isWord(i, u"getdate") && list_.isSymbol(i + 2, u")")) rewriteGetDate(i);
        if (list_.isWord(i, u"convert") && isIntType(list_[i + 2]) && list_.isSymbol(i + 3, u","))
            rewriteConvert(i);
        if (list_.isWord(i, u"datediff")) rewriteDateFunction(i, fn::dateDiff);
        if (list_.isWord(i, u"dateadd")) rewriteDateFunction(i, fn::dateAdd);
    }

    void rewriteGetDate(int i) {
        list_.setText(i, localNow);
        list_.remove(i + 1);
        list_.remove(i + 2);
    }

    // convert(int, x) -> tsql_int(x)
    void rewriteConvert(int i) {
        list_.setText(i, QLatin1String(fn::toInt));
        list_.remove(i + 2);
        list_.remove(i + 3);
    }

    // datediff(day, a, b) -> tsql_datediff('day', a, b); an unknown part is left for the engine to refuse.
    void rewriteDateFunction(int i, const char* function) {
        const Token& part = list_[i + 2];
        if (part.kind != TokenKind::Word || !datePartNamed(part.text) || !list_.isSymbol(i + 3, u",")) return;
        list_.setText(i, QLatin1String(function));
        list_.setText(i + 2, quoted(part.text.toLower()));
    }

    void rewriteQuoting(int i) {
        const Token& token = list_[i];
        if (token.kind == TokenKind::QuotedName && token.text.startsWith(u'['))
            list_.setText(i, quotedName(token.value()));
        else if (token.kind == TokenKind::String && !token.text.startsWith(u'\''))
            list_.setText(i, token.text.mid(1));
    }

    TokenList list_;
    const Catalog& catalog_;
    QStringList tables_;
};

} // namespace

QString SqliteRewriter::translate(const QString& sql) const {
    return Translation(sql, catalog_).run();
}

} // namespace ado::sqlite
