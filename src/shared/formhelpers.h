// Procedures of the shared module that several windows use.
#pragma once

#include <QString>

namespace forms {
class ListView;
}

namespace shared {

// Applies the stored column widths and alignments of a list view (alistviewheader/-details).
void ApplyListViewLayout(const QString& transactionName, forms::ListView& listView,
                         const QString& moduleName);

// Enter moves the focus to the next control; the key itself is left as it is.
void SendTabOnEnter(int& keyAscii);

// Colours the text of every cancelled receipt's cells in the register grid red.
void MarkCancelledRows();

// Refreshes the register grid's current row (existing receipt) or adds the new receipt's row.
void UpdateEditedRow(const QString& condition, qint32 receiptId);

// The grid query restricted by a condition: any "order by" part cut, the condition joined to the
// where clause.
QString restrictedGridQuery(const QString& gridQuery, const QString& condition);

} // namespace shared
