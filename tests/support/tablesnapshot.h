// What a test database holds, row by row, to tell what a piece of work wrote or left behind.
#pragma once

#include "testdatabase.h"

#include <QStringList>

namespace testing_support {

// The rows of every table but those left out, each as "table: column=value, ...", sorted. The columns
// named in `varyingColumns` (of any table) read "varies" when set: the same work at another moment writes
// other times there, for instance.
QStringList tableRows(const TestDatabase& database, const QStringList& tablesLeftOut,
                      const QStringList& varyingColumns);

// The rows only `before` holds ("- row") and those only `after` holds ("+ row"), one a line; empty when
// both hold the same rows.
QString rowDifferences(const QStringList& before, const QStringList& after);

} // namespace testing_support
