// Operand kinds: literals, the dialect's functions, columns of the statement's tables.
#include "operandkinds.h"

#include <QSet>

namespace ado::dialect {

namespace {

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

// An operator that joins two terms into one operand of a comparison or a LIKE.
bool joinsTerms(const Token& token) {
    static const QSet<QString> symbols = {
        QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("*"),
        QStringLiteral("/"), QStringLiteral("%"), QStringLiteral("||"),
        QStringLiteral("&"), QStringLiteral("|"), QStringLiteral("^"),
    };
    return token.kind == TokenKind::Symbol && symbols.contains(token.text);
}

} // namespace

bool isName(const Token& token) {
    return token.kind == TokenKind::Word || token.kind == TokenKind::QuotedName;
}

bool isComparison(const Token& token) {
    return token.kind == TokenKind::Symbol && isComparison(QStringView(token.text));
}

bool isComparison(QStringView symbol) {
    static const char16_t* const operators[] = {u"=", u"<>", u"!=", u"<", u">", u"<=", u">="};
    return std::any_of(std::begin(operators), std::end(operators),
                       [&](const char16_t* op) { return symbol == op; });
}

bool isIntType(const Token& token) {
    return token.isWord(u"int") || token.isWord(u"integer");
}

OperandKinds::OperandKinds(const TokenList& list, const Catalog& catalog) : list_(list), catalog_(catalog) {
    for (int i = 0; i < list_.size(); ++i)
        if (isName(list_[i]) && catalog_.hasTable(list_[i].value())) tables_ << list_[i].value();
}

ValueKind OperandKinds::ofCall(int name) const {
    if (list_.isWord(name, u"convert"))
        return isIntType(list_[name + 2]) ? ValueKind::Number : ValueKind::Unknown;
    return kindOfFunction(list_[name].text);
}

ValueKind OperandKinds::ofName(const Token& token) const {
    if (token.isWord(u"CURRENT_TIMESTAMP")) return ValueKind::Date;
    return catalog_.columnKind(tables_, token.value());
}

std::optional<ValueKind> OperandKinds::endingAt(int i) const {
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
        return ofName(token);
    default:
        break;
    }
    if (!token.isSymbol(u")")) return std::nullopt;
    int open = list_.matching(i);
    return list_.isCall(open - 1) ? ofCall(open - 1) : ValueKind::Unknown;
}

std::optional<ValueKind> OperandKinds::startingAt(int i) const {
    const Token& token = list_[i];
    if (token.kind == TokenKind::String) return ValueKind::Text;
    if (token.kind == TokenKind::Number) return ValueKind::Number;
    if (token.isSymbol(u"(")) return ValueKind::Unknown;
    if (!isName(token) || isOperatorWord(token)) return std::nullopt;
    if (list_.isCall(i)) return ofCall(i);
    if (list_.isSymbol(i + 1, u".")) return startingAt(i + 2);
    return ofName(token);
}

int OperandKinds::expressionStart(int i) const {
    int start = termStart(i);
    while (start > 0 && joinsTerms(list_[start - 1])) {
        const int before = termStart(start - 2);
        if (before < 0) break;
        start = before;
    }
    return start;
}

int OperandKinds::expressionEnd(int i) const {
    int end = termEnd(i);
    while (end >= 0 && joinsTerms(list_[end + 1])) {
        const int after = termEnd(end + 2);
        if (after < 0) break;
        end = after;
    }
    return end;
}

int OperandKinds::termStart(int last) const {
    const Token& token = list_[last];
    int start = last;
    if (token.isSymbol(u")")) {
        start = list_.matching(last);
        if (start < 0) return -1;
        if (!isName(list_[start - 1]) || isOperatorWord(list_[start - 1])) return start;
        --start; // the function's name
    } else if (token.isWord(u"end")) {
        return matchingCase(last, -1);
    } else if (token.kind != TokenKind::String && token.kind != TokenKind::Number) {
        if (!isName(token) || isOperatorWord(token)) return -1;
    }
    while (list_.isSymbol(start - 1, u".") && isName(list_[start - 2]))
        start -= 2;
    return start;
}

int OperandKinds::termEnd(int first) const {
    const Token& token = list_[first];
    if (token.isSymbol(u"(")) return list_.matching(first);
    if (token.isWord(u"case")) return matchingCase(first, 1);
    if (token.kind == TokenKind::String || token.kind == TokenKind::Number) return first;
    if (!isName(token) || isOperatorWord(token)) return -1;
    int end = first;
    while (list_.isSymbol(end + 1, u".") && isName(list_[end + 2]))
        end += 2;
    return list_.isSymbol(end + 1, u"(") ? list_.matching(end + 1) : end;
}

int OperandKinds::matchingCase(int i, int step) const {
    const QStringView opening = step < 0 ? u"end" : u"case", closing = step < 0 ? u"case" : u"end";
    int depth = 0;
    for (i += step; i >= 0 && i < list_.size(); i += step) {
        if (list_.isWord(i, opening))
            ++depth;
        else if (list_.isWord(i, closing) && depth-- == 0)
            return i;
    }
    return -1;
}

} // namespace ado::dialect
