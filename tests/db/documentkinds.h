// The kinds of shop documents a receipt settles, with the statements the module lists them by.
#pragma once

#include <QList>
#include <QString>

namespace dbtest {

// A kind of shop document: its code in the outstanding view, its source table with the columns (shop, id,
// company, number, date, customer, amount), the column vouchers and settlements name it in, and the
// receipt detail column that settles it.
struct Kind {
    QString code;
    QString table;
    QString columns;
    QString paymentColumn;
    QString receiptColumn;
};

// The eight kinds the entry window lists, sales invoices first.
const QList<Kind>& documentKinds();

// The kind of a view code; codes outside the list are matched through every kind column at once.
Kind kindOfCode(const QString& code);

// The entry window's listing of a customer's open shop documents, as the module sends it.
QString shopDocumentsQuery(int shop, int customer);

// What the module's receipts already settled on one document, as the module asks it.
QString receiptsSettledQuery(const Kind& kind, int document, int shop, int company);

} // namespace dbtest
