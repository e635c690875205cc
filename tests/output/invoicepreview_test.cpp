// Previewing the report of a listed shop invoice from the entry window's pop-up menu.
#include "reportoutputfixture.h"

#include "entry/frmreceiptshop.h"
#include "module/windows.h"
#include "platform/core/runtimeerror.h"
#include "platform/forms/runtime.h"

#include <QFile>

namespace {

using receipts::frmReceiptShop;

class InvoicePreview : public output_testing::ReportOutputTest {
protected:
    // The entry window listing one shop document of the kind, selected as a right click leaves it.
    frmReceiptShop& listing(const QString& kind, const QString& documentId) {
        frmReceiptShop& entry = module::windows().get<frmReceiptShop>();
        entry.setAdocon(database.connection());
        const int item = entry.lvwInvoice.addItem(QStringLiteral("1"));
        entry.lvwInvoice.setCell(item, 1, kind);
        entry.lvwInvoice.setCell(item, 6, documentId);
        entry.lvwInvoice.setSelectedItem(item);
        return entry;
    }

    void expectReported(qint64 number) const {
        ASSERT_EQ(errorProcedures(), QStringList({"frmReceiptShop.PreviewReport"}));
        EXPECT_EQ(ui.errors[0].number, number);
        EXPECT_TRUE(runs.empty());
        EXPECT_FALSE(forms::HourglassPointer::busy());
    }
};

TEST_F(InvoicePreview, aSalesInvoiceShowsTheCreditInvoiceWithTheInventoryRateAndTheUserInCapitals) {
    listing(QStringLiteral("Sales Invoice"), QStringLiteral("5")).mnuPreview_Click();
    ASSERT_EQ(runs.size(), 1u) << errorProcedures().join(u' ').toStdString();
    EXPECT_EQ(runs[0].file, "reports/rptCreditInvoice.rpt");
    EXPECT_EQ(runs[0].title, "Credit Invoice");
    EXPECT_EQ(runs[0].parameters, QStringList({"1", "5", "0.5", "AHMED"}));
    EXPECT_EQ(runs[0].records, 1);
    EXPECT_TRUE(contentOf(QStringLiteral("rptCreditInvoice.pdf")).startsWith("%PDF-"));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(forms::HourglassPointer::busy());
}

TEST_F(InvoicePreview, specialAndServiceInvoicesNameTheirReportFirst) {
    listing(QStringLiteral("Special Invoice"), QStringLiteral("3")).PreviewReport();
    listing(QStringLiteral("Service Invoice"), QStringLiteral("2.0")).PreviewReport();
    ASSERT_EQ(runs.size(), 2u) << errorProcedures().join(u' ').toStdString();
    EXPECT_EQ(runs[0].file, "reports/rptSpecialInvReturn.rpt");
    EXPECT_EQ(runs[0].title, "Special Invoice");
    EXPECT_EQ(runs[0].parameters, QStringList({"Special Invoice", "AHMED", "1", "3"}));
    EXPECT_EQ(runs[1].file, "reports/rptServiceInvoicePOS.rpt");
    EXPECT_EQ(runs[1].title, "Service Invoice");
    EXPECT_EQ(runs[1].parameters, QStringList({"Service Invoice", "AHMED", "1", "2"}));
    EXPECT_EQ(runs[1].records, 1);
}

TEST_F(InvoicePreview, aReportWithoutRowsClosesItsPreviewAndSaysSo) {
    database.execute(QStringLiteral("update losspecialinvoiceheader set ihcancelled = 1"));
    listing(QStringLiteral("Special Invoice"), QStringLiteral("3")).PreviewReport();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].records, 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "No details found.   ");
    EXPECT_EQ(ui.messages[0].icon, forms::MsgIcon::Information);
    EXPECT_EQ(ui.messages[0].buttons, forms::MsgButtons::OK);
    EXPECT_EQ(ui.messages[0].title, "Shop");
    EXPECT_FALSE(QFile::exists(pathOf(QStringLiteral("rptSpecialInvReturn.pdf"))));
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(InvoicePreview, aSalesReturnIsNoCreditInvoice) {
    listing(QStringLiteral("Sales Invoice"), QStringLiteral("8")).PreviewReport();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].records, 0);
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(InvoicePreview, aKindWithoutAReportIsReportedAsPreviewReport) {
    for (const char* kind : {"Room Bill", "Fine", ""}) {
        ui.errors.clear();
        listing(QString::fromLatin1(kind), QStringLiteral("3")).PreviewReport();
        expectReported(rt::err::BadFileName);
    }
}

TEST_F(InvoicePreview, withoutASelectedInvoiceTheFailureIsReported) {
    frmReceiptShop& entry = listing(QStringLiteral("Sales Invoice"), QStringLiteral("5"));
    entry.lvwInvoice.setSelectedItem(0);
    entry.PreviewReport();
    ASSERT_EQ(errorProcedures(), QStringList({"frmReceiptShop.PreviewReport"}));
    EXPECT_TRUE(runs.empty());
}

TEST_F(InvoicePreview, aRateThatCannotBeWorkedOutStopsTheSalesInvoicesPreview) {
    database.execute(QStringLiteral("update losinvoiceheader set ihexchangerates = '1:2:'"));
    listing(QStringLiteral("Sales Invoice"), QStringLiteral("5")).PreviewReport();
    expectReported(rt::err::SubscriptOutOfRange);
}

} // namespace
