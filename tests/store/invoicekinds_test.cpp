// The catalogue of invoice kinds against the schema and the texts the lists and the save match.
#include "platform/ado/recordset.h"
#include "store/invoicekinds.h"
#include "support/testdatabase.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

TEST(InvoiceKinds, everyColumnOfTheCatalogueExistsInTheSchema) {
    testing_support::TestDatabase database;
    for (const store::InvoiceKind& kind : store::invoiceKinds()) {
        QString columns = kind.shopColumn + "," + kind.idColumn + "," + kind.numberColumn;
        if (!kind.dateColumn.isEmpty()) columns += "," + kind.dateColumn;
        EXPECT_NO_THROW(database.scalar("select " + columns + " from " + kind.sourceTable)) << qPrintable(kind.kindText);
        EXPECT_NO_THROW(database.scalar("select " + kind.detailColumn + " from " + store::ReceiptDetailTable))
            << qPrintable(kind.detailColumn);
    }
    EXPECT_NO_THROW(database.scalar("select " + store::DetailIdFallback + " from " + store::ReceiptDetailTable));
}

TEST(InvoiceKinds, readersTestTheOpeningInvoiceColumnFirstAndFandBLast) {
    const auto& kinds = store::invoiceKinds();
    ASSERT_EQ(kinds.size(), 9u);
    EXPECT_EQ(kinds.front().detailColumn, "drdaccinvoiceid");
    EXPECT_EQ(kinds.back().detailColumn, "drdfandbInvoiceID");
    QSet<QString> columns;
    for (const auto& kind : kinds)
        columns.insert(kind.detailColumn.toLower());
    EXPECT_EQ(columns.size(), 9);
}

TEST(InvoiceKinds, kindTextsAndViewCodesMatchExactly) {
    EXPECT_EQ(store::kindOfText("Sales Invoice")->detailColumn, "drdinvoiceid");
    EXPECT_FALSE(store::kindOfText("sales invoice"));
    EXPECT_FALSE(store::kindOfText("FandB Invoice"));
    EXPECT_EQ(store::kindOfText("FandB")->storedKindText, "FandB Invoice");
    EXPECT_EQ(store::kindOfViewType("fandb")->kindText, "FandB");
    EXPECT_FALSE(store::kindOfViewType("FandB"));
    EXPECT_FALSE(store::kindOfViewType(""));
    EXPECT_TRUE(store::isUnlistedViewType("RE"));
    EXPECT_TRUE(store::isUnlistedViewType("PAYMENT"));
    EXPECT_FALSE(store::isUnlistedViewType("PCI"));
}

} // namespace
