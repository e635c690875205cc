// The kind of value each operand of a statement holds, from its literals, the functions it calls and
// the catalogue's columns of the tables it names.
#pragma once

#include "catalog.h"
#include "tokenlist.h"

#include <QStringList>
#include <optional>

namespace ado::dialect {

// A word or a quoted name: what can name a table, a column or a function.
bool isName(const Token& token);
// =, <>, !=, <, >, <= or >=.
bool isComparison(const Token& token);
bool isComparison(QStringView symbol);
// The type convert(int, x) names: int or integer.
bool isIntType(const Token& token);

class OperandKinds {
public:
    // Reads the list as it stands when asked, so that a rewritten token is read as rewritten.
    OperandKinds(const TokenList& list, const Catalog& catalog);

    // Kind of the operand whose last token is at i; nothing when i ends no operand.
    std::optional<ValueKind> endingAt(int i) const;
    // Kind of the operand whose first token is at i; nothing when no operand starts there.
    std::optional<ValueKind> startingAt(int i) const;

    // The first token of the whole expression ending at i, its terms (names, literals, calls, parenthesised
    // expressions, case ... end) joined by arithmetic and text operators; -1 when no term ends at i.
    int expressionStart(int i) const;
    // The last token of the whole expression starting at i; -1 when no term starts there.
    int expressionEnd(int i) const;

private:
    const TokenList& list_;
    const Catalog& catalog_;
    QStringList tables_; // the statement's tables, whose columns its names are looked up in first

    ValueKind ofCall(int name) const;
    ValueKind ofName(const Token& token) const;
    int termStart(int last) const;
    int termEnd(int first) const;
    // The case matching the end at i when `step` is -1, the end matching the case at i when it is 1.
    int matchingCase(int i, int step) const;
};

} // namespace ado::dialect
