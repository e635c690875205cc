// Sums by document read for several lists at once.
#include "db/shopdatabasetest.h"
#include "platform/core/money.h"
#include "store/documentsums.h"

namespace {

using store::DocumentSums;

class DocumentSumsTogether : public dbtest::ShopDatabaseTest {};

// What the settled rows of the documents named by `column` come to, by document.
DocumentSums::StatementFor settledBy(const QString& column) {
    return [column](const QString& documents) {
        return "select sum(drdsettledamount), " + column + " from LosDummyReceiptDetail where " + column +
               " " + documents + " group by " + column;
    };
}

bool sumIs(DocumentSums& sums, const QString& document, const char* amount) {
    return core::ExactAmount::of(sums.of(document)) == core::ExactAmount::of(QVariant(amount));
}

// Each list gets its own documents' sums, 0 for a document no row names. A refused statement among them
// leaves the others' sums read and throws its error when its documents are asked for, or at once when
// errors are to be thrown.
TEST_P(DocumentSumsTogether, eachListGetsItsSumsAndARefusedStatementOnlyItsOwnError) {
    execute("insert into LosDummyReceiptDetail (drdshopid, drdid, drddetailid, drdinvoiceid, drdfineid, "
            "drdsettledamount) values (1, 1, 1, 7, null, 10.5), (1, 2, 1, 7, null, 2.25), (1, 3, 1, 8, null, "
            "4), (1, 4, 1, null, 7, 1)");
    std::vector<DocumentSums> read = DocumentSums::readTogether(
        connection, {{settledBy("drdinvoiceid"), {"7", "8", "9"}}, {settledBy("drdfineid"), {"7"}}},
        DocumentSums::OnFailure::ReadAlone);
    EXPECT_TRUE(sumIs(read[0], "7", "12.75") && sumIs(read[0], "8", "4") && sumIs(read[0], "9", "0"));
    EXPECT_TRUE(sumIs(read[1], "7", "1"));

    const std::vector<DocumentSums::Request> refused = {{settledBy("drdinvoiceid"), {"7"}},
                                                        {settledBy("nosuch"), {"7"}}};
    read = DocumentSums::readTogether(connection, refused, DocumentSums::OnFailure::ReadAlone);
    EXPECT_TRUE(sumIs(read[0], "7", "12.75"));
    EXPECT_THROW(read[1].of("7"), core::RuntimeError);
    EXPECT_THROW(DocumentSums::readTogether(connection, refused, DocumentSums::OnFailure::Throw),
                 core::RuntimeError);
}

INSTANTIATE_TEST_SUITE_P(, DocumentSumsTogether, dbtest::everyEngine, dbtest::engineName);

} // namespace
