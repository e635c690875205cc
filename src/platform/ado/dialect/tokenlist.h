// A statement's significant tokens, each carrying the blanks and comments before it, for rewriting.
#pragma once

#include "token.h"

#include <vector>

namespace ado::dialect {

class TokenList {
public:
    explicit TokenList(const QString& sql);

    int size() const { return int(items_.size()); }
    // The token at i; an empty symbol outside the statement, so look-arounds need no bounds checks.
    const Token& operator[](int i) const;
    bool isWord(int i, QStringView word) const { return (*this)[i].isWord(word); }
    bool isSymbol(int i, QStringView symbol) const { return (*this)[i].isSymbol(symbol); }
    // A word followed by an opening parenthesis.
    bool isCall(int i) const;
    // The index of the parenthesis matching the one at i, -1 when there is none.
    int matching(int i) const;
    // Index of the next top-level "," or of the closing parenthesis of the list that i is in.
    int endOfListItem(int i) const;

    void setText(int i, const QString& text);
    void appendText(int i, const QString& text);
    // Drops the token and the blanks before it from the output.
    void remove(int i);

    QString toString() const;

private:
    struct Item {
        QString before;
        Token token;
    };
    std::vector<Item> items_;
    std::vector<int> matches_;
    QString trailing_;
    void matchParentheses();
};

} // namespace ado::dialect
