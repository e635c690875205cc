// What is open on a document the entry window lists, in two parts that change at different hands.
#pragma once

#include "money.h"

#include <QString>

namespace entry {

// The document's amount and what head office and the settlements took of it change only at other
// programs; what the module's receipts settled on it changes at every counter's save, so a save reads it
// again under the saving lock.
struct OpenBalance {
    ExactAmount amount;
    ExactAmount settledElsewhere;
    QString receiptsSql; // the sum of the module's live receipts on the document; none: nothing to read

    // What is open, the module's receipts having settled `receipts` on the document, exactly.
    ExactAmount after(ExactAmount receipts) const { return amount - (settledElsewhere + receipts); }
    // The same, as the lists show it and the receipt settles against it: rounded once.
    Money shownAfter(const QVariant& receipts) const { return after(ExactAmount::of(receipts)).rounded(); }
};

} // namespace entry
