// Reading an ODBC query's names and rows into the cursor.
#include "odbccursor.h"

#include "odbcerror.h"
#include "platform/ado/qtsqlvalue.h"

#include <QSqlError>
#include <QSqlRecord>

namespace ado::odbc {

OdbcCursor::OdbcCursor(QSqlQuery& ran) {
    const QSqlRecord record = ran.record();
    for (int i = 0; i < record.count(); ++i)
        names_ << record.fieldName(i);
    while (!names_.isEmpty() && ran.next()) {
        QVariantList row;
        row.reserve(names_.size());
        for (int column = 0; column < names_.size(); ++column)
            row << moduleValue(ran.value(column));
        rows_.push_back(std::move(row));
    }
    if (ran.lastError().isValid()) raiseStatementError(ran);
}

// The rows are already read: the row handed on shares the stored one's values.
bool OdbcCursor::fetch(QVariantList& row) {
    if (next_ >= rows_.size()) return false;
    row = rows_[next_++];
    return true;
}

} // namespace ado::odbc
