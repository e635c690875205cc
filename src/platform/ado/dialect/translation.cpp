// The shared translation pass: operators, inserted values, the dialect's functions and its quoting.
#include "translation.h"

#include "datetext.h"
#include "platform/ado/quoting.h"
#include "servervalues.h"

namespace ado::dialect {

Translation::Translation(const QString& sql, const Catalog& catalog, const FunctionNames& names)
    : list_(sql), catalog_(catalog), kinds_(list_, catalog), names_(names) {}

QString Translation::run(const std::vector<int>& lifted, QChar marker) {
    for (int i = 0; i < list_.size(); ++i)
        readOperator(i);
    readInsertedValues();
    for (int i = 0; i < list_.size(); ++i)
        if (auto function = functionAt(i)) callFunction(*function, i);
    for (int i = 0; i < list_.size(); ++i)
        requote(i);
    for (size_t parameter = 0; parameter < lifted.size(); ++parameter)
        toParameter(lifted[parameter], marker + QString::number(parameter + 1));
    for (int i = 0; i < list_.size(); ++i)
        if (list_.isWord(i, u"like")) readLike(i);
    return list_.toString();
}

// What the steps wrote after a lifted string literal (its collation) stays after its parameter; the literal
// is the first token of its text, the quoting step having taken an N from before it.
void Translation::toParameter(int i, const QString& parameter) {
    const Token& token = list_[i];
    if (token.kind != TokenKind::String) return list_.setText(i, parameter);
    list_.setText(i, parameter + token.text.mid(tokenSpans(token.text).front().length));
}

void Translation::readOperator(int i) {
    if (list_.isSymbol(i, u"+"))
        readPlus(i);
    else if (isComparison(list_[i]))
        readComparison(i);
    else if (list_.isWord(i, u"between"))
        readBetween(i);
}

void Translation::readPlus(int i) {
    auto left = kinds_.endingAt(i - 1), right = kinds_.startingAt(i + 1);
    if (!left || !right) return;
    auto numeric = [](ValueKind kind) { return kind == ValueKind::Number || kind == ValueKind::Date; };
    bool text = *left == ValueKind::Text || *right == ValueKind::Text;
    if (text && !numeric(*left) && !numeric(*right)) list_.setText(i, QStringLiteral("||"));
}

void Translation::readComparison(int i) {
    if (list_[i + 1].kind == TokenKind::String)
        compareLiteral(i + 1, kinds_.endingAt(i - 1).value_or(ValueKind::Unknown));
    else if (list_[i - 1].kind == TokenKind::String)
        compareLiteral(i - 1, kinds_.startingAt(i + 1).value_or(ValueKind::Unknown));
}

void Translation::readBetween(int i) {
    ValueKind kind = kinds_.endingAt(i - 1).value_or(ValueKind::Unknown);
    bool literals = list_[i + 1].kind == TokenKind::String && list_.isWord(i + 2, u"and") &&
                    list_[i + 3].kind == TokenKind::String;
    if (!literals) return;
    compareLiteral(i + 1, kind);
    compareLiteral(i + 3, kind);
}

// insert into T (c1, c2, ...) values (v1, v2, ...)[, (...)]
void Translation::readInsertedValues() {
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
        readRow(list_[table].value(), columns, row);
        if (!list_.isSymbol(list_.matching(row) + 1, u",")) break;
    }
}

// The literals of one row of values, each alone in its place, with the kinds of their columns.
void Translation::readRow(const QString& table, const QStringList& columns, int open) {
    int item = open + 1;
    for (const QString& column : columns) {
        int end = list_.endOfListItem(item);
        if (end == item + 1 && list_[item].kind == TokenKind::String &&
            catalog_.columnKind(table, column) == ValueKind::Date)
            toStoredDate(item);
        if (!list_.isSymbol(end, u",")) return;
        item = end + 1;
    }
}

std::optional<Function> Translation::functionAt(int i) const {
    if (list_.isWord(i, u"CURRENT_TIMESTAMP") && !list_.isCall(i)) return Function::CurrentTimestamp;
    if (!list_.isCall(i)) return std::nullopt;
    static const std::pair<const char16_t*, Function> named[] = {
        {u"isnull", Function::IsNull},
        {u"len", Function::Len},
        {u"right", Function::Right},
        {u"isnumeric", Function::IsNumeric},
    };
    for (const auto& [name, function] : named)
        if (list_.isWord(i, name)) return function;
    if (list_.isWord(i, u"getdate") && list_.isSymbol(i + 2, u")")) return Function::GetDate;
    if (list_.isWord(i, u"convert") && isIntType(list_[i + 2]) && list_.isSymbol(i + 3, u","))
        return Function::ConvertToInt;
    // An unknown date part is left for the engine to refuse.
    const Token& part = list_[i + 2];
    if (part.kind != TokenKind::Word || !datePartNamed(part.text) || !list_.isSymbol(i + 3, u","))
        return std::nullopt;
    if (list_.isWord(i, u"datediff")) return Function::DateDiff;
    if (list_.isWord(i, u"dateadd")) return Function::DateAdd;
    return std::nullopt;
}

void Translation::toStoredDate(int i) {
    if (auto canonical = canonicalFormOf(list_[i].value())) list_.setText(i, quoted(*canonical));
}

void Translation::callFunction(Function function, int i) {
    switch (function) {
    case Function::IsNull:
        return rename(i, names_.isNull);
    case Function::Len:
        return rename(i, names_.len);
    case Function::Right:
        return rename(i, names_.right);
    case Function::IsNumeric:
        return rename(i, names_.isNumeric);
    case Function::ConvertToInt:
        rename(i, names_.toInt);
        list_.remove(i + 2);
        return list_.remove(i + 3);
    case Function::DateDiff:
    case Function::DateAdd:
        rename(i, function == Function::DateDiff ? names_.dateDiff : names_.dateAdd);
        return list_.setText(i + 2, quoted(list_[i + 2].text.toLower()));
    case Function::GetDate:
        list_.remove(i + 1);
        list_.remove(i + 2);
        [[fallthrough]];
    case Function::CurrentTimestamp:
        return rename(i, names_.localNow);
    }
}

void Translation::rename(int i, const char* function) {
    list_.setText(i, QLatin1String(function));
}

void Translation::requote(int i) {
    const Token& token = list_[i];
    if (token.kind == TokenKind::QuotedName && token.text.startsWith(u'['))
        list_.setText(i, quotedName(token.value()));
    else if (token.kind == TokenKind::String && !token.text.startsWith(u'\''))
        list_.setText(i, token.text.mid(1));
}

} // namespace ado::dialect
