// A stored receipt read back for Edit: its header row, whether it settled documents, its detail rows and the
// documents they name.
#pragma once

#include "invoicekinds.h"

#include "platform/ado/recordset.h"
#include "shared/services/servicesinterfaces.h"

namespace store {

// Opens the receipt's header row in the shop; no row when there is no such receipt.
void openStoredReceipt(ado::Recordset& header, const ado::ConnectionPtr& connection, qint32 shopId,
                       const QString& receiptId);

// Whether the receipt stored detail rows, counted through the suite's look-up service.
bool hasSettledDocuments(suite::ClsCommonDb& lookups, qint32 shopId, const QString& receiptId);

// Opens the receipt's detail rows in the order they were saved.
void openStoredLines(ado::Recordset& details, const ado::ConnectionPtr& connection, qint32 shopId,
                     const QString& receiptId);

// The kind of the current detail row: the first kind column holding a value, in the order the kinds are
// tested; none when all are null.
const InvoiceKind* kindOfStoredLine(const ado::Recordset& detail);

// Opens the document a detail row names: a company-wide document in the company, any other in the shop.
void openStoredDocument(ado::Recordset& document, const ado::ConnectionPtr& connection,
                        const InvoiceKind& kind, const QString& documentId, qint32 companyId, qint32 shopId);

} // namespace store
