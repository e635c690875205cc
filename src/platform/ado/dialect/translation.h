// The pass every translating driver makes over a statement in the module's dialect: it finds what an
// engine must be told in its own terms and writes it, with the names the driver gives for the dialect's
// functions and through the driver's own form of a compared literal.
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

// The names an engine calls in place of the dialect's functions (its own or functions of ours), and its
// expression of the local time with milliseconds.
struct FunctionNames {
    const char* isNull;
    const char* len;
    const char* right;
    const char* isNumeric;
    const char* toInt;
    const char* dateDiff;
    const char* dateAdd;
    const char* localNow;
};

class Translation {
public:
    Translation(const QString& sql, const Catalog& catalog, const FunctionNames& names);
    virtual ~Translation() = default;
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    // Walks the statement: first its operators (+ and the comparisons), then the values an insert
    // writes, then the dialect's functions, then the quoting ([name] and N'text' become standard SQL),
    // last each LIKE, its operands written as the engine gets them. Each step reads the tokens as the
    // steps before left them. Returns the engine's text, in which the tokens at `lifted` (numbers the
    // steps only read by their kind) become the parameters ?1, ?2, ... (with the marker '$', $1, $2, ...).
    QString run(const std::vector<int>& lifted = {}, QChar marker = u'?');

protected:
    TokenList& tokens() { return list_; }
    const OperandKinds& kinds() const { return kinds_; }

    // The string literal at i is compared with (=, <>, <, ..., between) an operand of the given kind.
    virtual void compareLiteral(int literal, ValueKind other) = 0;
    // A call of one of the dialect's functions named at i, its arguments following as written, becomes a
    // call of the engine's name for it: convert(int, x) loses its type (tsql_int(x)), the date part of
    // datediff and dateadd becomes a literal (tsql_datediff('day', a, b)), getdate() and
    // CURRENT_TIMESTAMP become the local time.
    virtual void callFunction(Function function, int name);
    // The string literal at i, when it is a date the server reads, in the form dates are stored in.
    void toStoredDate(int literal);
    // The word LIKE at i, for an engine whose LIKE does not match as the server's does. Nothing follows:
    // the operands may be wrapped whole, the parameters included.
    virtual void readLike(int /*like*/) {}

private:
    TokenList list_;
    const Catalog& catalog_;
    OperandKinds kinds_;
    const FunctionNames& names_;

    void toParameter(int i, const QString& parameter);
    void readOperator(int i);
    void readPlus(int i);
    void readComparison(int i);
    void readBetween(int i);
    void readInsertedValues();
    void readRow(const QString& table, const QStringList& columns, int open);
    void rename(int i, const char* function);
    std::optional<Function> functionAt(int i) const;
    void requote(int i);
};

} // namespace ado::dialect
