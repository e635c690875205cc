// Every table and column the catalogue of invoice kinds names exists in the schema.
#include "store/invoicekinds.h"
#include "support/testdatabase.h"

#include <gtest/gtest.h>

namespace {

// The readers of stored receipts find each settled document through these names.
TEST(InvoiceKinds, everyTableAndColumnOfTheCatalogueExistsInTheSchema) {
    testing_support::TestDatabase database;
    for (const store::InvoiceKind& kind : store::invoiceKinds()) {
        QString columns = kind.shopColumn + "," + kind.idColumn + "," + kind.numberColumn;
        for (const QString& shown : {kind.dateColumn, kind.remarksColumn, kind.referenceColumn})
            if (!shown.isEmpty()) columns += "," + shown;
        EXPECT_NO_THROW(database.scalar("select " + columns + " from " + kind.sourceTable))
            << kind.kindText.toStdString();
        EXPECT_NO_THROW(database.scalar("select " + kind.detailColumn + " from " + store::ReceiptDetailTable))
            << kind.detailColumn.toStdString();
    }
    EXPECT_NO_THROW(
        database.scalar("select " + store::DetailIdFallback + " from " + store::ReceiptDetailTable));
}

} // namespace
