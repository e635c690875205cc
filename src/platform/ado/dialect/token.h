// The tokens of a statement in the module's dialect.
#pragma once

#include <QString>
#include <vector>

namespace ado::dialect {

enum class TokenKind {
    Space,      // blanks and line ends
    Comment,    // -- to the end of the line, or /* ... */
    Word,       // a name or a keyword
    Number,     // 12, 1.5, 1e5, 0x1F
    String,     // 'text' with '' inside, or N'text'
    QuotedName, // "name", [name] or `name`
    Symbol,     // operators and punctuation: = <> != <= >= || ( ) , . + - * / ? ...
};

// Neither blanks nor a comment: what the engine reads.
inline bool isSignificantKind(TokenKind kind) {
    return kind != TokenKind::Space && kind != TokenKind::Comment;
}

struct Token {
    TokenKind kind;
    QString text; // exactly as written

    bool isSignificant() const { return isSignificantKind(kind); }
    bool isWord(QStringView word) const;
    bool isSymbol(QStringView symbol) const { return kind == TokenKind::Symbol && text == symbol; }
    // The value of a string literal, the name of a word or quoted name.
    QString value() const;
};

// Where a token lies in its statement, for reading one without copying its text.
struct TokenSpan {
    TokenKind kind;
    qsizetype start;
    qsizetype length;
};

// Splits a statement into tokens; concatenating their texts gives the statement back. An
// unterminated literal or comment runs to the end of the text (the engine reports it).
std::vector<Token> tokenize(const QString& sql);
// The same tokens as places in the statement.
std::vector<TokenSpan> tokenSpans(const QString& sql);
// The statement's first token that is neither blank nor comment, in lower case (the word a statement opens
// with); empty when there is none. Reads no further than that token.
QString firstWord(const QString& sql);

} // namespace ado::dialect
