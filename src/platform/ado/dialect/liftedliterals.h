// A statement's literals that can travel as bound values, so that statements differing only in those
// numbers and texts share one translation and one prepared statement.
#pragma once

#include "shapecache.h"

#include <QString>
#include <QVariantList>
#include <vector>

namespace ado::dialect {

struct LiftedLiterals {
    QString shape;           // the statement with each lifted number written ?1, ?2, ..., each text '?3'
    QVariantList values;     // the lifted literals' values, in order: 64-bit integers and texts
    std::vector<int> tokens; // their places in the statement's TokenList
};

// Lifts from a select the whole numbers and the string literals that stand alone on the right of a
// comparison and end a condition (a = 12 and ..., a = 'x'), and the numbers of a list of whole numbers only
// (a in (12, 14)), which is where a literal and a bound value of it read the same to the engine and to the
// translation: the literal's kind is all the translation reads. A customer's documents named in a list thus
// share one statement per number of documents, whoever the customer is; a look-up by a cheque's number one
// statement, whatever the cheque.
// Nothing else is lifted: not a number in a list of other things, a limit or an order by position, not a
// text the translation reads as a date (it rewrites those by their value), and nothing of a statement that
// already carries parameters. A condition inside a result column that is not renamed would show ?1 in the
// column's name: the driver then keeps that statement's literals.
LiftedLiterals liftLiterals(const QString& sql);

// The liftings of the statements a connection met lately, by their whole text: a statement sent again (the
// same settings, the same customer's documents) is not scanned again to find its shape. A statement longer
// than a page, such as a list of thousands of documents, is met once and scanned each time.
class LiftedLiteralsCache {
public:
    LiftedLiterals of(const QString& sql);

private:
    ShapeCache<LiftedLiterals> byText_;
};

} // namespace ado::dialect
