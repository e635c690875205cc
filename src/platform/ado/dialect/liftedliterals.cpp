// Finding the literals a statement can take as bound values, on the statement's token places so that a
// statement met again costs one scan and no copy per token.
#include "liftedliterals.h"

#include "datetext.h"
#include "operandkinds.h"
#include "token.h"

#include <algorithm>

namespace ado::dialect {

namespace {

// The significant tokens of a statement, indexed as its TokenList indexes them.
class Tokens {
public:
    explicit Tokens(const QString& sql) : sql_(sql) {
        for (const TokenSpan& span : tokenSpans(sql))
            if (isSignificantKind(span.kind)) spans_.push_back(span);
    }

    int size() const { return int(spans_.size()); }
    const TokenSpan& span(int i) const { return spans_[size_t(i)]; }
    TokenKind kind(int i) const { return inside(i) ? spans_[size_t(i)].kind : TokenKind::Symbol; }
    QStringView text(int i) const {
        return inside(i) ? QStringView(sql_).mid(spans_[size_t(i)].start, spans_[size_t(i)].length)
                         : QStringView();
    }
    bool isWord(int i, QStringView word) const {
        return kind(i) == TokenKind::Word && text(i).compare(word, Qt::CaseInsensitive) == 0;
    }
    bool isSymbol(int i, QStringView symbol) const {
        return kind(i) == TokenKind::Symbol && text(i) == symbol;
    }

private:
    const QString& sql_;
    std::vector<TokenSpan> spans_;
    bool inside(int i) const { return i >= 0 && i < size(); }
};

// Digits only and short enough for a 64-bit integer.
bool isWholeNumber(const Tokens& tokens, int i) {
    QStringView text = tokens.text(i);
    if (tokens.kind(i) != TokenKind::Number || text.size() > 18) return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

bool endsCondition(const Tokens& tokens, int i) {
    static const char16_t* const words[] = {u"and", u"or", u"order", u"group", u"having", u"union"};
    if (i >= tokens.size() || tokens.isSymbol(i, u")") || tokens.isSymbol(i, u";")) return true;
    return std::any_of(std::begin(words), std::end(words),
                       [&](const char16_t* w) { return tokens.isWord(i, w); });
}

bool carriesParameters(const Tokens& tokens) {
    for (int i = 0; i < tokens.size(); ++i)
        if (tokens.kind(i) == TokenKind::Symbol && QStringLiteral("?:$").contains(tokens.text(i).front()))
            return true;
    return false;
}

// The value of the string literal at i.
QString textValue(const Tokens& tokens, int i) {
    return Token{TokenKind::String, tokens.text(i).toString()}.value();
}

// A text the translation reads as a date is written in the date's stored form: its value is its shape.
bool isPlainText(const Tokens& tokens, int i) {
    return tokens.kind(i) == TokenKind::String && !canonicalFormOf(textValue(tokens, i));
}

// A string literal left of the comparison is compared by the kind of what stands on the right.
bool isLiftable(const Tokens& tokens, int i) {
    return (isWholeNumber(tokens, i) || isPlainText(tokens, i)) && tokens.kind(i - 1) == TokenKind::Symbol &&
           isComparison(tokens.text(i - 1)) && tokens.kind(i - 2) != TokenKind::String &&
           endsCondition(tokens, i + 1);
}

// A list longer than this is written once for a listing of its own: lifting it would share nothing, and
// each engine bounds the values a statement takes.
constexpr size_t LongestLiftedList = 1000;

// The whole numbers of the list that `in` at `i` opens, when the list holds nothing else and its left side is
// no string literal; none otherwise.
std::vector<int> listedNumbers(const Tokens& tokens, int i) {
    if (!tokens.isWord(i, u"in") || !tokens.isSymbol(i + 1, u"(") || tokens.kind(i - 1) == TokenKind::String)
        return {};
    std::vector<int> numbers;
    for (int item = i + 2; isWholeNumber(tokens, item); item += 2) {
        numbers.push_back(item);
        if (tokens.isSymbol(item + 1, u")"))
            return numbers.size() <= LongestLiftedList ? numbers : std::vector<int>();
        if (!tokens.isSymbol(item + 1, u",")) break;
    }
    return {};
}

// The places of the literals to lift, in order.
std::vector<int> liftedPlaces(const Tokens& tokens) {
    std::vector<int> places;
    for (int i = 0; i < tokens.size(); ++i) {
        if (isLiftable(tokens, i)) places.push_back(i);
        const std::vector<int> listed = listedNumbers(tokens, i);
        places.insert(places.end(), listed.cbegin(), listed.cend());
        if (!listed.empty()) i = listed.back();
    }
    return places;
}

} // namespace

LiftedLiterals liftLiterals(const QString& sql) {
    Tokens tokens(sql);
    LiftedLiterals lifted;
    if (!tokens.isWord(0, u"select") || carriesParameters(tokens)) {
        lifted.shape = sql;
        return lifted;
    }
    qsizetype copied = 0;
    for (int i : liftedPlaces(tokens)) {
        const TokenSpan& span = tokens.span(i);
        const bool text = span.kind == TokenKind::String;
        lifted.values << (text ? QVariant(textValue(tokens, i)) : QVariant(tokens.text(i).toLongLong()));
        lifted.tokens.push_back(i);
        lifted.shape += QStringView(sql).mid(copied, span.start - copied);
        const QString place = u'?' + QString::number(lifted.values.size());
        lifted.shape += text ? u'\'' + place + u'\'' : place;
        copied = span.start + span.length;
    }
    lifted.shape += QStringView(sql).mid(copied);
    return lifted;
}

LiftedLiterals LiftedLiteralsCache::of(const QString& sql) {
    constexpr qsizetype LongestKept = 2048;
    if (sql.size() > LongestKept) return liftLiterals(sql);
    return byText_.shape(sql, [&] { return liftLiterals(sql); });
}

} // namespace ado::dialect
