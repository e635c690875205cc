// Navigation and editing of a statement's tokens.
#include "tokenlist.h"

namespace ado::dialect {

TokenList::TokenList(const QString& sql) {
    QString pending;
    for (Token& token : tokenize(sql)) {
        if (!token.isSignificant()) {
            pending += token.text;
            continue;
        }
        items_.push_back({pending, std::move(token)});
        pending.clear();
    }
    trailing_ = pending;
    matchParentheses();
}

void TokenList::matchParentheses() {
    matches_.assign(items_.size(), -1);
    std::vector<int> open;
    for (int i = 0; i < size(); ++i) {
        if (isSymbol(i, u"(")) {
            open.push_back(i);
        } else if (isSymbol(i, u")") && !open.empty()) {
            matches_[i] = open.back();
            matches_[open.back()] = i;
            open.pop_back();
        }
    }
}

const Token& TokenList::operator[](int i) const {
    static const Token outside{TokenKind::Symbol, QString()};
    return i >= 0 && i < size() ? items_[i].token : outside;
}

bool TokenList::isCall(int i) const {
    return (*this)[i].kind == TokenKind::Word && isSymbol(i + 1, u"(");
}

int TokenList::matching(int i) const {
    return i >= 0 && i < size() ? matches_[i] : -1;
}

int TokenList::endOfListItem(int i) const {
    for (; i < size(); ++i) {
        if (isSymbol(i, u",") || isSymbol(i, u")")) return i;
        if (isSymbol(i, u"(") && matching(i) > i) i = matching(i);
    }
    return size();
}

void TokenList::setText(int i, const QString& text) {
    items_[i].token.text = text;
}

void TokenList::appendText(int i, const QString& text) {
    items_[i].token.text += text;
}

void TokenList::remove(int i) {
    items_[i].before.clear();
    items_[i].token.text.clear();
}

QString TokenList::toString() const {
    QString sql;
    for (const Item& item : items_)
        sql += item.before + item.token.text;
    return sql + trailing_;
}

} // namespace ado::dialect
