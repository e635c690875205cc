// The report files the program installs, run over a shop: their records, lines, totals and words.
#include "reportoutputfixture.h"

#include "output/shopreportengine.h"
#include "platform/report/reportfiles.h"

#include <QTextDocument>

namespace {

class ShopReports : public output_testing::ReportOutputTest {
protected:
    // Runs the installed report with its parameters in order; the laid-out text, lines joined by "|".
    QString run(const QString& file, const QVariantList& values) {
        std::unique_ptr<report::ReportEngine> engine = output::shopReportEngine(database.connection());
        engine->logOnServer(QStringLiteral("pdsodbc.dll"), QStringLiteral("admindsnv2"),
                            QStringLiteral("adminv2"), QStringLiteral("admin"));
        report = engine->openReport(QStringLiteral("\\reports\\") + file);
        EXPECT_TRUE(report->path().startsWith(report::ReportFiles::installedFolder()));
        for (int i = 0; i < values.size(); ++i)
            report->parameterField(i + 1).setCurrentValue(values[i]);
        std::shared_ptr<const report::RenderedReport> rendered = report->run();
        pageSize = rendered->pageLayout().pageSize().id();
        return rendered->document().toPlainText().simplified();
    }
    QString receipt(const char* file, qint32 receiptId) {
        return run(QString::fromLatin1(file),
                   {QStringLiteral("Receipts "), 1, receiptId, QStringLiteral("ahmed")});
    }

    std::unique_ptr<report::Report> report;
    QPageSize::PageSizeId pageSize = QPageSize::Custom;
};

TEST_F(ShopReports, theA4ReceiptPrintsTheShopCustomerAmountInWordsAndEveryDocumentSettled) {
    const QString text = receipt("rptDummyReceipt.rpt", 7);
    EXPECT_EQ(report->recordCount(), 1);
    EXPECT_EQ(pageSize, QPageSize::A4);
    for (const char* expected :
         {"Main Shop", "Island Traders", "Majeedhee Magu, Male", "Tel 3301122", "Receipts", "No: RC-0007",
          "Date: 09/03/2024", "Abc Ltd (C-001)", "Orchid Magu", "MVR 177.00",
          "One Hundred Seventy Seven Only.", "Cheque 004512 dated 09/03/2024, BML", "Settlement: March bills",
          "1 Sales Invoice INV-5 01/03/2024 120.00 100.00", "2 Opening Invoice OP-40 05/01/2024 75.00 20.00",
          "3 Fine FN-3 02/03/2024 15.00 15.00", "5 FandB Invoice FB-9 03/03/2024 42.00 42.00",
          "Total settled MVR 177.00", "Printed by ahmed"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << " in " << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("CANCELLED")));
}

TEST_F(ShopReports, anAdvanceHasNoDocumentsAndAnHqRemarkIsNoCancellation) {
    const QString text = receipt("rptDummyReceipt.rpt", 6);
    EXPECT_TRUE(text.contains(QStringLiteral("Advance: On account"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Twenty Only.")));
    EXPECT_FALSE(text.contains(QStringLiteral("Taken over by HQ")));
    EXPECT_FALSE(text.contains(QStringLiteral("Sales Invoice")));
}

TEST_F(ShopReports, aCancelledReceiptSaysSoWithItsReason) {
    EXPECT_TRUE(receipt("rptDummyReceipt.rpt", 9).contains(QStringLiteral("CANCELLED: Entered twice")));
}

TEST_F(ShopReports, aReceiptOfAnotherShopOrNoneFindsNoRecord) {
    run(QStringLiteral("rptDummyReceipt.rpt"), {QStringLiteral("Receipts "), 2, 7, QStringLiteral("ahmed")});
    EXPECT_EQ(report->recordCount(), 0);
    receipt("rptDummyReceiptA5.rpt", 70);
    EXPECT_EQ(report->recordCount(), 0);
}

TEST_F(ShopReports, theA5ReceiptTakesTheA4ReceiptsDataOnTheSmallerPage) {
    const QString text = receipt("rptDummyReceiptA5.rpt", 7);
    EXPECT_EQ(report->recordCount(), 1);
    EXPECT_EQ(pageSize, QPageSize::A5);
    QStringList names;
    for (const report::ParameterField& field : report->parameterFields())
        names << field.name();
    EXPECT_EQ(names, QStringList({"strReportName", "intShopID", "intReceiptID", "strUserName"}));
    for (const char* expected : {"No: RC-0007", "One Hundred Seventy Seven Only.",
                                 "Opening Invoice OP-40 20.00", "Total MVR 177.00"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << " in " << text.toStdString();
}

// 120 less 100 from a live receipt and 5 from head office; the cancelled receipt's 50 does not count.
TEST_F(ShopReports, theCreditInvoiceShowsWhatWasReceivedAndTheBalanceDue) {
    const QString text = run(QStringLiteral("rptCreditInvoice.rpt"), {1, 5, 0.5, QStringLiteral("AHMED")});
    EXPECT_EQ(report->recordCount(), 1);
    for (const char* expected :
         {"CREDIT INVOICE", "No: INV-5", "Date: 01/03/2024", "Abc Ltd (C-001)", "Spare parts 120.00",
          "Net amount 120.00", "In the inventory currency at 0.5: 60.00", "RC-0007 09/03/2024 100.00",
          "Received at head office 5.00", "Balance due 15.00", "Previewed by AHMED"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << " in " << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("RC-0009")));
}

TEST_F(ShopReports, specialAndServiceInvoicesAreHeadedByTheReportsName) {
    const QString special = run(QStringLiteral("rptSpecialInvReturn.rpt"),
                                {QStringLiteral("Special Invoice"), QStringLiteral("AHMED"), 1, 3});
    EXPECT_EQ(report->recordCount(), 1);
    EXPECT_TRUE(special.startsWith(QStringLiteral("Main Shop")));
    for (const char* expected :
         {"Special Invoice No: SPI-3", "Special order as per invoice 30.00", "Balance due 30.00"})
        EXPECT_TRUE(special.contains(QString::fromLatin1(expected)))
            << expected << " in " << special.toStdString();
    const QString service = run(QStringLiteral("rptServiceInvoicePOS.rpt"),
                                {QStringLiteral("Service Invoice"), QStringLiteral("AHMED"), 1, 2});
    EXPECT_EQ(report->recordCount(), 1);
    for (const char* expected : {"Service Invoice No: SRV-2", "Engine service 20.00", "Balance due 20.00"})
        EXPECT_TRUE(service.contains(QString::fromLatin1(expected)))
            << expected << " in " << service.toStdString();
    run(QStringLiteral("rptServiceInvoicePOS.rpt"),
        {QStringLiteral("Service Invoice"), QStringLiteral("AHMED"), 1, 3});
    EXPECT_EQ(report->recordCount(), 0);
}

} // namespace
