// The rows of a new receipt: what its header reads before the saving lock, and the header and lines it adds
// in the saving transaction.
#pragma once

#include "receiptnumbering.h"

#include "platform/core/money.h"

#include <QVariant>
#include <vector>

namespace store {

// The counter saving: the shop, company, financial year, user and counter the host's session names.
struct SavingCounter {
    qint32 shopId = 0;
    qint32 companyId = 0;
    qint32 financialId = 0;
    qint32 userId = 0;
    qint32 counterId = 0;
};

// What the header takes that no save changes: the time of saving, the receipts' prefix, the creating user's
// name and the shop's department, read at once before the saving lock.
struct HeaderFacts {
    QVariant savedAt;
    QString prefix;
    QVariant userName;
    qint32 departmentId = 0;
};
HeaderFacts readHeaderFacts(const ado::ConnectionPtr& connection, const SavingCounter& counter);

// What a new receipt's header records besides its keys. Dates are written "yyyy/mm/dd"; the factors are those
// from the received currency to the company's and the department's.
struct ReceiptHeader {
    QString date;
    qint32 customerId = 0;
    QString bankName;
    QString remarks;
    QString chequeNo;
    QString chequeDate;
    core::Money received;
    qint32 receivedCurrencyId = 0;
    core::Money recorded;
    double bankRate = 0;
    double companyFactor = 1;
    double departmentFactor = 1;
    QString ratesText;
};

// A settled document's line: the detail column naming the document's kind, the document, the line number
// and what was open on it and is settled.
struct ReceiptLine {
    QString documentColumn;
    QString documentId;
    qint16 lineNumber = 0;
    core::Money outstanding;
    core::Money settled;
};

// Adds the header under the keys taken under the saving lock, in the caller's transaction. Amounts go in as
// exact decimal texts; the database converts them to its columns' type.
void addReceiptHeader(const ado::ConnectionPtr& connection, const SavingCounter& counter,
                      const ReceiptKeys& keys, const HeaderFacts& facts, const ReceiptHeader& header);

// Adds the lines of the receipt with the given id, in the caller's transaction.
void addReceiptLines(const ado::ConnectionPtr& connection, const SavingCounter& counter, qint32 receiptId,
                     const std::vector<ReceiptLine>& lines);

} // namespace store
