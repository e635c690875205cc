// The pass every translating driver makes over a statement in the module's dialect: it finds what an
// engine must be told in its own terms and has the driver write its engine's form of each.
#pragma once

#include "catalog.h"
#include "operandkinds.h"
#include "tokenlist.h"

#include <optional>
#include <vector>

namespace ado::dialect {

// The dialect's functions an engine lacks or spells otherwise.
enum class Function {
    IsNull,           // isnull(a, b)
    Len,              // len(x)
    Right,            // right(x, n)
    IsNumeric,        // isnumeric(x)
    ConvertToInt,     // convert(int, x)
    DateDiff,         // datediff(part, a, b), part a word the server knows
    DateAdd,          // dateadd(part, n, d), part a word the server knows
    GetDate,          // getdate()
    CurrentTimestamp, // CURRENT_TIMESTAMP, a word without parentheses
};

class Translation {
public:
    Translation(const QString& sql, const Catalog& catalog);
    virtual ~Translation() = default;
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    // Walks the statement: first its operators (+ and the comparisons), then the values an insert
    // writes, then the dialect's functions, last the quoting ([name] and N'text' become standard SQL).
    // Each step reads the tokens as the steps before left them. Returns the engine's text, in which the
    // tokens at `lifted` (numbers the steps only read by their kind) become the parameters ?1, ?2, ...
    QString run(const std::vector<int>& lifted = {});

protected:
    TokenList& tokens() { return list_; }
    const OperandKinds& kinds() const { return kinds_; }

    // The + at i has a text side and no number or date side: the server joins the texts.
    virtual void joinTexts(int plus) = 0;
    // The string literal at i is compared with (=, <>, <, ..., between) an operand of the given kind.
    virtual void compareLiteral(int literal, ValueKind other) = 0;
    // The string literal at i is written to a column of the given kind by insert ... values.
    virtual void storeLiteral(int literal, ValueKind column) = 0;
    // A call of one of the dialect's functions named at i; its arguments follow as written.
    virtual void callFunction(Function function, int name) = 0;

private:
    TokenList list_;
    const Catalog& catalog_;
    OperandKinds kinds_;

    void readOperator(int i);
    void readPlus(int i);
    void readComparison(int i);
    void readBetween(int i);
    void readInsertedValues();
    void readRow(const QString& table, const QStringList& columns, int open);
    std::optional<Function> functionAt(int i) const;
    void requote(int i);
};

} // namespace ado::dialect
