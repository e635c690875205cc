// Tests of the outstanding-documents view with the statements that list a customer's open documents.
#include "documentkinds.h"
#include "shopdatabasetest.h"

#include <QDateTime>

using dbtest::ShopDatabaseTest;

namespace {

constexpr int Shop = 1;
constexpr int Company = 1;
constexpr int Customer = 5;
constexpr int Document = 7;

using dbtest::Kind;

const Kind salesInvoice = dbtest::kindOfCode("PCI");
const Kind specialInvoice = dbtest::kindOfCode("PDI");

QString receiptsSettledQuery(const Kind& kind, int document) {
    return dbtest::receiptsSettledQuery(kind, document, Shop, Company);
}

class OutstandingTest : public ShopDatabaseTest {
protected:
    void addDocument(const Kind& kind, int id, double amount, int shop = Shop,
                     int customer = Customer) const {
        execute(
            QString("insert into %1 (%2) values (%3, %4, %5, 'DOC-%4', '2026-11-01 10:30:00.000', %6, %7)")
                .arg(kind.table, kind.columns)
                .arg(shop)
                .arg(id)
                .arg(Company)
                .arg(customer)
                .arg(dbtest::sqlNumber(amount)));
    }
    void addVoucher(int id, const QString& column, double amount, int dummyReceipt = 0, int shop = Shop,
                    bool cancelled = false) const {
        execute(QString("insert into receiptvoucherheader (companyid, receiptid, CustomerID, dummyreceiptid, "
                        "cancelled) "
                        "values (%1, %2, %3, %4, %5)")
                    .arg(Company)
                    .arg(id)
                    .arg(Customer)
                    .arg(dummyReceipt)
                    .arg(int(cancelled)));
        execute(QString("insert into receiptvoucherdetails (companyid, receiptid, voucherline, shopid, "
                        "amountreceived, "
                        "%1) values (%2, %3, 1, %4, %5, %6)")
                    .arg(column)
                    .arg(Company)
                    .arg(id)
                    .arg(shop)
                    .arg(dbtest::sqlNumber(amount))
                    .arg(Document));
    }
    void addSettlement(int id, const QString& column, double amount, bool cancelled = false) const {
        execute(QString("insert into customersettlementheader (CompanyID, CSID, customerid, cancelled) "
                        "values (%1, %2, %3, %4)")
                    .arg(Company)
                    .arg(id)
                    .arg(Customer)
                    .arg(int(cancelled)));
        execute(QString("insert into customersettlementdetail (CompanyID, CSID, settlementline, shopid, "
                        "settlementamount, %1) values (%2, %3, 1, %4, %5, %6)")
                    .arg(column)
                    .arg(Company)
                    .arg(id)
                    .arg(Shop)
                    .arg(dbtest::sqlNumber(amount))
                    .arg(Document));
    }
    void addReceipt(int id, const QString& column, double settled, bool cancelled = false) const {
        execute(
            QString(
                "insert into LosDummyReceiptHeader (drShopid, drID, drCompanyID, drcustomerid, drCancelled) "
                "values (%1, %2, %3, %4, %5)")
                .arg(Shop)
                .arg(id)
                .arg(Company)
                .arg(Customer)
                .arg(int(cancelled)));
        execute(QString("insert into LosDummyReceiptDetail (drdshopid, drdid, drdDetailid, drdCompanyid, %1, "
                        "drdsettledamount) values (%2, %3, 1, %4, %5, %6)")
                    .arg(column)
                    .arg(Shop)
                    .arg(id)
                    .arg(Company)
                    .arg(Document)
                    .arg(dbtest::sqlNumber(settled)));
    }
    // The view's settled amount of a document.
    double viewSettled(const QString& code, int id = Document) const {
        return number(
            QString("select settled from vwTotalInvoiceReceiptAmount where type = '%1' and invoiceId = %2")
                .arg(code)
                .arg(id));
    }
    // The listed rows of the customer: document id, type and what is open by the view.
    QList<QVariantList> listed() const {
        QList<QVariantList> result;
        for (const QVariantList& row : rows(dbtest::shopDocumentsQuery(Shop, Customer)))
            result << QVariantList{row[0].toInt(), row[5].toString(), row[3].toDouble()};
        return result;
    }
    // What the entry window shows as outstanding: the view's open amount less the shop receipts.
    double outstanding(const Kind& kind) const {
        for (const QVariantList& row : listed())
            if (row[0].toInt() == Document && row[1].toString() == kind.code)
                return row[2].toDouble() - number(receiptsSettledQuery(kind, Document));
        return 0;
    }
};

TEST_F(OutstandingTest, invoiceKeepsWhatSettlementsAndLiveReceiptsHaveNotTaken) {
    addDocument(salesInvoice, Document, 100);
    addSettlement(1, "posinvoiceid", 30);
    addReceipt(1, "drdinvoiceid", 20);
    EXPECT_DOUBLE_EQ(viewSettled("PCI"), 30.0);
    EXPECT_EQ(listed(), (QList<QVariantList>{{Document, "PCI", 70.0}}));
    EXPECT_DOUBLE_EQ(outstanding(salesInvoice), 50.0);
}

TEST_F(OutstandingTest, cancelledReceiptGivesItsAmountBack) {
    addDocument(salesInvoice, Document, 100);
    addSettlement(1, "posinvoiceid", 30);
    addReceipt(1, "drdinvoiceid", 20, true);
    EXPECT_DOUBLE_EQ(outstanding(salesInvoice), 70.0);
}

TEST_F(OutstandingTest, voucherTakingOverAReceiptMovesItsAmountIntoTheView) {
    addDocument(salesInvoice, Document, 100);
    addSettlement(1, "posinvoiceid", 30);
    addReceipt(1, "drdinvoiceid", 20);
    addVoucher(1, "posinvoiceid", 20, 1);
    EXPECT_DOUBLE_EQ(viewSettled("PCI"), 50.0);
    EXPECT_DOUBLE_EQ(number(receiptsSettledQuery(salesInvoice, Document)), 0.0);
    EXPECT_DOUBLE_EQ(outstanding(salesInvoice), 50.0);
}

TEST_F(OutstandingTest, cancelledVouchersAndSettlementsDoNotCount) {
    addDocument(salesInvoice, Document, 100);
    addSettlement(1, "posinvoiceid", 30, true);
    addVoucher(1, "posinvoiceid", 10, 0, Shop, true);
    EXPECT_DOUBLE_EQ(viewSettled("PCI"), 0.0);
}

TEST_F(OutstandingTest, paymentsOfAnotherShopOrKindDoNotCount) {
    addDocument(salesInvoice, Document, 100);
    addVoucher(1, "posinvoiceid", 10, 0, Shop + 1);
    addVoucher(2, "posspinvoiceid", 15);
    addSettlement(1, "RoomBillID", 5);
    EXPECT_DOUBLE_EQ(viewSettled("PCI"), 0.0);
    EXPECT_DOUBLE_EQ(viewSettled("PDI"), 0.0) << "no special invoice exists";
}

TEST_F(OutstandingTest, settledDocumentsCancelledDocumentsAndOtherCustomersAreNotListed) {
    addDocument(salesInvoice, Document, 100);
    addSettlement(1, "posinvoiceid", 100);
    addDocument(salesInvoice, Document + 1, 80);
    execute(QString("update losinvoiceheader set ihcancelled = 1 where ihinvoiceid = %1").arg(Document + 1));
    addDocument(salesInvoice, Document + 2, 60, Shop, Customer + 1);
    addDocument(salesInvoice, Document + 3, 40, Shop + 1);
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_EQ(count("select count(*) from vwTotalInvoiceReceiptAmount"), 3)
        << "the cancelled one is left out";
}

TEST_F(OutstandingTest, returnsAndDebitNotesAreInTheViewButNeverListed) {
    execute("insert into losinvoiceheader (ihshopid, ihinvoiceid, ihcompanyid, ihtype, ihcustomerid, "
            "ihnetamount) "
            "values (1, 3, 1, 'R', 5, 25)");
    execute(
        "insert into losdebitcreditnote (dcnshopid, dcnid, dcncompanyid, dcntype, dcncustomerid, dcnamount) "
        "values (1, 1, 1, 'SDEBIT', 5, 40), (1, 2, 1, 'HDEBIT', 5, 40), (1, 3, 1, 'DCN', 5, 40)");
    EXPECT_EQ(texts("select type from vwTotalInvoiceReceiptAmount order by type"),
              (QStringList{"DCN", "HDEBIT", "RE", "SDEBIT"}));
    EXPECT_EQ(listed(), (QList<QVariantList>{{3, "DCN", 40.0}})) << "a note of another code is listed";
}

TEST_F(OutstandingTest, salesRemarksComeOnlyWithSalesInvoices) {
    addDocument(salesInvoice, Document, 100);
    execute("update losinvoiceheader set ihRemarks = 'Delivered' where ihinvoiceid = 7");
    addDocument(specialInvoice, Document + 1, 100);
    QList<QVariantList> found = rows(dbtest::shopDocumentsQuery(Shop, Customer));
    ASSERT_EQ(found.size(), 2);
    EXPECT_EQ(found[0][6].toString(), "Delivered");
    EXPECT_TRUE(found[1][6].isNull());
}

class OutstandingKindTest : public OutstandingTest, public ::testing::WithParamInterface<Kind> {};

TEST_P(OutstandingKindTest, documentIsListedWithItsCodeLessWhatEachPaymentTook) {
    const Kind& kind = GetParam();
    addDocument(kind, Document, 100);
    addVoucher(1, kind.paymentColumn, 25);
    addSettlement(1, kind.paymentColumn, 5);
    addReceipt(1, kind.receiptColumn, 20);
    QList<QVariantList> view =
        rows("select type, invoiceamt, settled, shopid, companyid, CUstomerId, invoiceno, "
             "invoicedate from vwTotalInvoiceReceiptAmount");
    ASSERT_EQ(view.size(), 1);
    EXPECT_EQ(view[0][0].toString(), kind.code);
    EXPECT_DOUBLE_EQ(view[0][1].toDouble(), 100.0);
    EXPECT_DOUBLE_EQ(view[0][2].toDouble(), 30.0);
    EXPECT_EQ((QVariantList{view[0][3].toInt(), view[0][4].toInt(), view[0][5].toInt()}),
              (QVariantList{Shop, Company, Customer}));
    EXPECT_EQ(view[0][6].toString(), "DOC-7");
    EXPECT_EQ(view[0][7].toDateTime(), QDateTime(QDate(2026, 11, 1), QTime(10, 30)));
    EXPECT_DOUBLE_EQ(outstanding(kind), 50.0);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, OutstandingKindTest, ::testing::ValuesIn(dbtest::documentKinds()),
                         [](const auto& info) { return info.param.code.toStdString(); });

class ShopCloseDateTest : public ShopDatabaseTest {};

TEST_F(ShopCloseDateTest, isTheLastClosingOfEachShop) {
    execute("insert into losdayclose (shopid, closedate) values (1, '2026-11-01 00:00:00.000'), "
            "(1, '2026-11-29 00:00:00.000'), (1, '2026-11-15 00:00:00.000'), (2, '2026-10-01 00:00:00.000')");
    QList<QVariantList> found = rows("select shopid, closedate from vwshopCloseDate order by shopid");
    ASSERT_EQ(found.size(), 2);
    EXPECT_EQ(found[0][1].toDateTime(), QDateTime(QDate(2026, 11, 29), QTime(0, 0)));
    EXPECT_EQ(found[1][1].toDateTime(), QDateTime(QDate(2026, 10, 1), QTime(0, 0)));
    EXPECT_TRUE(scalar("select closedate from vwshopCloseDate where shopid = 3").isNull());
}

} // namespace
