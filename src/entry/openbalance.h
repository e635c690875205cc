// What is open on a document the entry window lists, in two parts that change at different hands.
#pragma once

#include <QString>

namespace entry {

// The document's amount and what head office and the settlements took of it change only at other
// programs; what the module's receipts settled on it changes at every counter's save, so a save reads it
// again under the saving lock.
struct OpenBalance {
    double amount = 0;
    double settledElsewhere = 0;
    QString receiptsSql; // the sum of the module's live receipts on the document; none: nothing to read

    // What is open, the module's receipts having settled `receipts` on the document.
    double after(double receipts) const { return amount - (settledElsewhere + receipts); }
};

} // namespace entry
