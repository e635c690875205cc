// Tokenizer of the module's dialect: literals, quoted names and comments are kept whole.
#include "token.h"

#include <QString>
#include <algorithm>
#include <optional>

namespace ado::dialect {

namespace {

bool isWordStart(QChar c) {
    return c.isLetter() || c == u'_' || c == u'@' || c == u'#';
}
bool isWordPart(QChar c) {
    return isWordStart(c) || c.isDigit() || c == u'$';
}
bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

class Scanner {
public:
    explicit Scanner(const QString& sql) : sql_(sql) {}

    std::vector<TokenSpan> run() {
        std::vector<TokenSpan> spans;
        while (pos_ < sql_.size())
            spans.push_back(next());
        return spans;
    }

    std::optional<TokenSpan> firstSignificant() {
        while (pos_ < sql_.size()) {
            const TokenSpan span = next();
            if (isSignificantKind(span.kind)) return span;
        }
        return std::nullopt;
    }

private:
    TokenSpan next() {
        const qsizetype start = pos_;
        const TokenKind kind = scanOne();
        return {kind, start, pos_ - start};
    }

    QChar at(qsizetype offset = 0) const {
        return pos_ + offset < sql_.size() ? sql_[pos_ + offset] : QChar();
    }

    TokenKind scanOne() {
        QChar c = at();
        if (c.isSpace()) return scanWhile([](QChar x) { return x.isSpace(); }, TokenKind::Space);
        if (c == u'-' && at(1) == u'-') return scanLineComment();
        if (c == u'/' && at(1) == u'*') return scanBlockComment();
        if (c == u'\'') return scanQuoted(u'\'', TokenKind::String);
        if ((c == u'N' || c == u'n') && at(1) == u'\'') {
            ++pos_;
            return scanQuoted(u'\'', TokenKind::String);
        }
        if (c == u'"') return scanQuoted(u'"', TokenKind::QuotedName);
        if (c == u'`') return scanQuoted(u'`', TokenKind::QuotedName);
        if (c == u'[') return scanQuoted(u']', TokenKind::QuotedName);
        if (isDigit(c) || (c == u'.' && isDigit(at(1)))) return scanNumber();
        if (isWordStart(c)) return scanWhile(isWordPart, TokenKind::Word);
        return scanSymbol();
    }

    template <typename Predicate> TokenKind scanWhile(Predicate predicate, TokenKind kind) {
        while (pos_ < sql_.size() && predicate(sql_[pos_]))
            ++pos_;
        return kind;
    }

    TokenKind scanLineComment() {
        while (pos_ < sql_.size() && sql_[pos_] != u'\n')
            ++pos_;
        return TokenKind::Comment;
    }

    TokenKind scanBlockComment() {
        qsizetype end = sql_.indexOf(u"*/", pos_ + 2);
        pos_ = end < 0 ? sql_.size() : end + 2;
        return TokenKind::Comment;
    }

    // A quoted run from the opening character to `close`; a doubled `close` stays inside.
    TokenKind scanQuoted(QChar close, TokenKind kind) {
        ++pos_;
        while (pos_ < sql_.size()) {
            if (sql_[pos_++] != close) continue;
            if (at() != close) return kind;
            ++pos_;
        }
        return kind;
    }

    TokenKind scanNumber() {
        if (at() == u'0' && (at(1) == u'x' || at(1) == u'X')) {
            pos_ += 2;
            return scanWhile([](QChar x) { return isDigit(x) || QStringLiteral("abcdefABCDEF").contains(x); },
                             TokenKind::Number);
        }
        scanWhile(isDigit, TokenKind::Number);
        if (at() == u'.') {
            ++pos_;
            scanWhile(isDigit, TokenKind::Number);
        }
        bool exponent = (at() == u'e' || at() == u'E') &&
                        (isDigit(at(1)) || ((at(1) == u'+' || at(1) == u'-') && isDigit(at(2))));
        if (exponent) {
            pos_ += 2;
            scanWhile(isDigit, TokenKind::Number);
        }
        return TokenKind::Number;
    }

    TokenKind scanSymbol() {
        static const char16_t* const pairs[] = {u"<=", u">=", u"<>", u"!=", u"||", u"!<", u"!>"};
        QStringView two = QStringView(sql_).mid(pos_, 2);
        bool pair =
            std::any_of(std::begin(pairs), std::end(pairs), [&](const char16_t* p) { return two == p; });
        pos_ += pair ? 2 : 1;
        return TokenKind::Symbol;
    }

    const QString& sql_;
    qsizetype pos_ = 0;
};

} // namespace

bool Token::isWord(QStringView word) const {
    return kind == TokenKind::Word && text.compare(word, Qt::CaseInsensitive) == 0;
}

QString Token::value() const {
    switch (kind) {
    case TokenKind::String: {
        qsizetype open = text.indexOf(u'\'');
        QString inner = text.mid(open + 1, text.size() - open - 2);
        return inner.replace(QStringLiteral("''"), QStringLiteral("'"));
    }
    case TokenKind::QuotedName: {
        QChar close = text[0] == u'[' ? QChar(u']') : text[0];
        QString inner = text.mid(1, text.size() - 2);
        return inner.replace(QString(2, close), QString(close));
    }
    default:
        return text;
    }
}

std::vector<TokenSpan> tokenSpans(const QString& sql) {
    return Scanner(sql).run();
}

QString firstWord(const QString& sql) {
    const std::optional<TokenSpan> first = Scanner(sql).firstSignificant();
    return first ? sql.mid(first->start, first->length).toLower() : QString();
}

std::vector<Token> tokenize(const QString& sql) {
    std::vector<Token> tokens;
    for (const TokenSpan& span : tokenSpans(sql))
        tokens.push_back({span.kind, sql.mid(span.start, span.length)});
    return tokens;
}

} // namespace ado::dialect
