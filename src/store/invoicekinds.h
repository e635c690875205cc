// The kinds of document a receipt can settle, and where each kind lives in the database.
#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace store {

// The receipt tables the module owns.
inline const QString ReceiptHeaderTable = QStringLiteral("LosDummyReceiptHeader");
inline const QString ReceiptDetailTable = QStringLiteral("LosDummyReceiptDetail");

// A kind may leave out the fields initialised with {}: not every kind has them.
struct InvoiceKind {
    QString kindText;          // "Invoice Type" text of the entry window's lists
    QString storedKindText;    // the text shown for a stored receipt's row
    QString detailColumn;      // the detail column that carries the document's id
    QString viewType{};        // the view's type code, compared exactly; empty: not in the view
    QString headOfficeColumn;  // the matching column of the head-office receipt tables
    QString sourceTable;       // where the document itself is kept
    QString shopColumn;        // its shop (company for a company-wide kind)
    QString idColumn;          // its id
    QString numberColumn;      // its number as shown
    QString dateColumn{};      // its date as shown; empty for fines
    QString remarksColumn{};   // its remarks as shown; empty for most kinds
    QString referenceColumn{}; // its reference number as shown; empty for the shop kinds
    bool companyWide = false;  // kept for the whole company and listed with the opening invoices
    // How a stored receipt's row finds its document: ":table", ":shop", ":id", ":number", ":date",
    // ":remarks" and ":reference" stand for the names above, ":scope" for the shop (the company for a
    // company-wide kind) and ":document" for the document's id.
    QString lookupStatement;
};

// Every kind, in the order readers test the detail columns for a value.
const std::vector<InvoiceKind>& invoiceKinds();

// The kind of a list's kind text; nothing for a text outside the catalogue.
std::optional<InvoiceKind> kindOfText(const QString& kindText);
// The kind of a view type code (compared with regard to case: "fandb" is not "FandB").
std::optional<InvoiceKind> kindOfViewType(const QString& viewType);
// The kind of the opening invoices, the company-wide one.
const InvoiceKind& openingInvoiceKind();

// The fallback expressions matching a detail row to a view row of a type outside the catalogue.
inline const QString DetailIdFallback = QStringLiteral(
    "coalesce(drdinvoiceid,drdsplinvoiceid,drdserviceinvoiceid,drdbookserinvoiceid,drddcnid,drdUtilityBillID,"
    "drdRoomBillID,drdFineid,drdaccInvoiceID)");
inline const QString ViewIdFallback = QStringLiteral(
    "coalesce(hqAccountsInvoiceID,posaccountsInvoiceID,posinvoiceid,posspinvoiceid,Posserviceinvoiceid,dcnid,"
    "phpaymentid,losdcnid,posexportid,RoomBillID,UtilityBillID,fineid,AccInvoiceID)");

} // namespace store
