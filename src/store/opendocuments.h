// The customer's open documents: the shop's own documents of the view and head office's opening invoices,
// with what is still open on each.
#pragma once

#include "platform/ado/connection.h"
#include "platform/core/money.h"

#include <QDateTime>
#include <QHash>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <functional>
#include <vector>

namespace store {

// Whose documents: the company, the shop and the customer.
struct DocumentOwner {
    qint32 companyId = 0;
    qint32 shopId = 0;
    qint32 customerId = 0;
};

// Where the module's live receipts on a document are found: the detail rows whose detail expression names
// it, less those of receipts that a live head-office voucher of the company took over, the voucher's rows
// the voucher condition ties to the same document.
struct ReceiptsOn {
    QString detail;
    QString voucher;
    DocumentOwner owner;
    QString document; // none: nothing to read
};

// What is open on a document, in two parts that change at different hands. The document's amount and what
// head office and the settlements took of it change only at other programs; what the module's receipts
// settled on it changes at every counter's save, so a save reads it again under the saving lock.
struct OpenBalance {
    core::ExactAmount amount;
    core::ExactAmount settledElsewhere;
    ReceiptsOn receiptsOn;

    // What is open, the module's receipts having settled `receipts` on the document, exactly.
    core::ExactAmount after(core::ExactAmount receipts) const {
        return amount - (settledElsewhere + receipts);
    }
    // The same, as the lists show it and a receipt settles against it: rounded once.
    core::Money shownAfter(const QVariant& receipts) const {
        return after(core::ExactAmount::of(receipts)).rounded();
    }
};

// A document of the view as the shop list shows it (the kind as the catalogue names it; empty for a kind it
// does not know), and what is open on it.
struct ShopDocument {
    QString kindText;
    QString number;
    QString date;
    QString id;
    QString remarks;
    OpenBalance balance;
    QDate day; // of its date; none for a document without one
};

// An opening invoice of the customer in the shop's department, as the opening list shows it.
struct OpeningInvoice {
    QString id;
    QString number;
    QString reference;
    QString date;
    core::ExactAmount discount;
    QDate day; // of its date; none for an invoice without one
};

// Hands each of the customer's shop documents with something open to `list`, in the view's order, with what
// is open on it as the lists show it (at least a hundredth). What the module's receipts settled on them is
// read a statement for many documents of a kind; when one fails its documents are read one at a time, so
// that the documents before a failing one are listed and its error is the one thrown.
void listShopDocuments(const ado::ConnectionPtr& connection, const DocumentOwner& owner,
                       const std::function<void(const ShopDocument&, core::Money open)>& list);
// The same for the customer's opening invoices of the department, their sums read alike; the process date
// gives their days to the due date.
void listOpeningInvoices(const ado::ConnectionPtr& connection, const DocumentOwner& owner, qint16 department,
                         const QDateTime& processDate,
                         const std::function<void(const OpeningInvoice&, core::Money open)>& list);

// A shop document is known by its kind and id: an invoice and a note may share an id.
QString shopDocumentKey(const QString& kindText, const QString& id);

// What is open on the customer's shop documents of the ids `ids` (of any kind), by shopDocumentKey, without
// what the receipts settled.
QHash<QString, OpenBalance> shopBalances(const ado::ConnectionPtr& connection, const DocumentOwner& owner,
                                         const QStringList& ids);
// What is open on the named opening invoices of the customer in the department, by id; an invoice no longer
// among the customer's is left out.
QHash<QString, OpenBalance> openingBalances(const ado::ConnectionPtr& connection, const DocumentOwner& owner,
                                            qint16 department, const QDateTime& processDate,
                                            const QStringList& ids);

// The last step of a save's balance check, under the saving lock: what the module's receipts settled on the
// documents is read again, by these statements, one a document that has an id...
QStringList settledNowStatements(const std::vector<OpenBalance>& balances);
// ...and what is open on each document now follows from the first values they read, in their order.
std::vector<core::Money> openNow(const std::vector<OpenBalance>& balances, const QVariantList& settledNow);

} // namespace store
