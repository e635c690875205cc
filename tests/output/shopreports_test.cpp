// The report files the program installs, run over the shop: the records each finds and the figures it prints.
#include "outputshop.h"

#include "output/shopreportengine.h"
#include "support/entrywindow.h"

#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

struct ReportRun {
    const char* file;
    QVariantList values; // by position, as the windows hand them over
    long records;
    std::vector<const char*> holds = {}; // with blanks simplified
    std::vector<const char*> lacks = {};
    QPageSize::PageSizeId page = QPageSize::Custom; // Custom: not looked at
};

using ShopReports = testing_support::EntryWindowTest;

TEST_F(ShopReports, findTheirRecordsAndPrintTheirFigures) {
    const QString receipts = QStringLiteral("Receipts "), ahmed = QStringLiteral("ahmed"),
                  AHMED = ahmed.toUpper();
    const QString special = QStringLiteral("Special Invoice"), service = QStringLiteral("Service Invoice");
    // clang-format off
    const ReportRun runs[] = {
        {"rptDummyReceipt.rpt", {receipts, 1, 7, ahmed}, 1,
         {"Main Store", "Island Traders", "Orchid Mg, Male", "Tel 3301122", "No: RC/0007", "Date: 05/03/2024",
          "Ali Hassan (C-003) Orchid Magu", "MVR 1,234.50", "Cheque 004512 dated 05/03/2024, BML",
          "One Thousand Two Hundred Thirty Four and Fifty Laari(s) Only.", "Settlement: Settlement",
          "1 Sales Invoice INV-5 01/03/2024 1,200.00 1,000.00", "3 Fine FN-3 02/03/2024 15.00 15.00",
          "2 Opening Invoice OP-40 05/01/2024 250.00 200.00", "5 FandB Invoice FB-9 03/03/2024 42.00 19.50",
          "Total settled MVR 1,234.50", "Printed by ahmed"},
         {"CANCELLED"}, QPageSize::A4},
        {"rptDummyReceipt.rpt", {receipts, 1, 6, ahmed}, 1, {"Advance: On account", "Twenty Only."},
         {"Taken over by HQ", "Sales Invoice"}},
        {"rptDummyReceipt.rpt", {receipts, 1, 9, ahmed}, 1, {"CANCELLED: Entered twice"}},
        {"rptDummyReceipt.rpt", {receipts, 2, 7, ahmed}, 0},
        {"rptDummyReceiptA5.rpt", {receipts, 1, 7, ahmed}, 1,
         {"No: RC/0007", "Opening Invoice OP-40 200.00", "Total MVR 1,234.50"}, {}, QPageSize::A5},
        {"rptDummyReceiptA5.rpt", {receipts, 1, 70, ahmed}, 0},
        // 1200 less 1000 from a live receipt and 5 from head office.
        {"rptCreditInvoice.rpt", {1, 5, 0.5, AHMED}, 1,
         {"No: INV-5", "Date: 01/03/2024", "Ali Hassan (C-003)", "Spare parts 1,200.00",
          "In the inventory currency at 0.5: 600.00", "RC/0007 05/03/2024 1,000.00",
          "Received at head office 5.00", "Balance due 195.00", "Previewed by AHMED"},
         {"RC/0009"}},
        {"rptCreditInvoice.rpt", {1, 8, 0.5, AHMED}, 0}, // a sales return is no credit invoice
        {"rptSpecialInvReturn.rpt", {special, AHMED, 1, 3}, 1,
         {"Special Invoice No: SPI-3", "Special order as per invoice 30.00", "Balance due 30.00"}},
        {"rptServiceInvoicePOS.rpt", {service, AHMED, 1, 2}, 1,
         {"Service Invoice No: SRV-2", "Engine service 20.00", "Balance due 20.00"}},
        {"rptServiceInvoicePOS.rpt", {service, AHMED, 1, 3}, 0}};
    // clang-format on
    output_testing::addOutputs(database);
    for (const ReportRun& run : runs) {
        std::string name = run.file;
        for (const QVariant& value : run.values)
            name += " " + value.toString().toStdString();
        std::unique_ptr<report::ReportEngine> engine = output::shopReportEngine(database.connection());
        engine->logOnServer(QStringLiteral("pdsodbc.dll"), QStringLiteral("admindsnv2"),
                            QStringLiteral("adminv2"), QStringLiteral("admin"));
        std::unique_ptr<report::Report> report = engine->openReport(QStringLiteral("\\reports\\") + run.file);
        for (int i = 0; i < run.values.size(); ++i)
            report->parameterField(i + 1).setCurrentValue(run.values[i]);
        std::shared_ptr<const report::RenderedReport> rendered = report->run();
        const QString text = rendered->document().toPlainText().simplified();
        EXPECT_EQ(report->recordCount(), run.records) << name;
        if (run.page != QPageSize::Custom) {
            EXPECT_EQ(rendered->pageLayout().pageSize().id(), run.page) << name;
        }
        for (const char* expected : run.holds)
            EXPECT_TRUE(text.contains(QLatin1String(expected))) << name << " lacks " << expected << ":\n"
                                                                << text.toStdString();
        for (const char* unexpected : run.lacks)
            EXPECT_FALSE(text.contains(QLatin1String(unexpected))) << name << " holds " << unexpected;
    }
}

} // namespace
