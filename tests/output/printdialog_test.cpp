// The print dialog's OK for each destination, Windows Print with the receipt report, Cancel and Escape.
#include "reportoutputfixture.h"

#include "entry/frmreceiptshop.h"
#include "module/session.h"
#include "module/windows.h"
#include "output/frmprint.h"
#include "platform/core/runtimeerror.h"
#include "platform/forms/runtime.h"
#include "platform/forms/userinput.h"
#include "platform/report/reportfiles.h"

#include <QDir>
#include <QFile>

namespace {

using output::frmPrint;
using receipts::frmReceiptShop;
namespace user = forms::user;

class PrintDialogOk : public output_testing::ReportOutputTest {
protected:
    PrintDialogOk() {
        ui.backend.onLoaded = [this](forms::Form& form) {
            lifecycle << QStringLiteral("load ") + form.name();
        };
        ui.backend.onUnloaded = [this](forms::Form& form) {
            lifecycle << QStringLiteral("unload ") + form.name();
        };
    }

    // The dialog as the register's Print opens it, loaded with these settings.
    frmPrint& open(const std::vector<std::pair<QString, QString>>& settings) {
        writeSettings(settings);
        frmPrint& dialog = module::windows().get<frmPrint>();
        dialog.voucherPrinter = frmReceiptShop::printForPrintDialog;
        dialog.load();
        return dialog;
    }
    frmPrint& openToScreen() { return open({{"windowsprint", "0"}, {"printtoscreen", "1"}}); }
    frmPrint& openToPrinter() { return open({{"windowsprint", "0"}, {"printtoscreen", "0"}}); }
    frmPrint& openWindowsPrint() { return open({{"windowsprint", "1"}}); }

    frmReceiptShop& entry() { return module::windows().get<frmReceiptShop>(); }

    QStringList lifecycle;
};

TEST_F(PrintDialogOk, toScreenReplacesTheScreenFileWithTheVoucherViewsItAndCloses) {
    QFile old(pathOf(QStringLiteral("Receipts.txt")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an earlier voucher");
    old.close();
    frmPrint& dialog = openToScreen();
    user::click(dialog.cmdOK);
    EXPECT_TRUE(contentOf(QStringLiteral("Receipts.txt")).startsWith("Main Shop\r\n"));
    EXPECT_TRUE(contentOf(QStringLiteral("Receipts.txt")).contains("RC-0007"));
    EXPECT_EQ(written, QStringList({"Receipts.txt"}));
    EXPECT_EQ(viewed, QStringList({"Receipts.txt"}));
    EXPECT_FALSE(dialog.isLoaded());
    EXPECT_TRUE(ui.errors.empty()) << errorProcedures().join(u' ').toStdString();
}

TEST_F(PrintDialogOk, toPrinterWritesTheVoucherToThePortAndViewsNothing) {
    frmPrint& dialog = openToPrinter();
    user::click(dialog.cmdOK);
    EXPECT_TRUE(contentOf(QStringLiteral("voucher.prn")).contains("RC-0007"));
    EXPECT_EQ(written, QStringList({"voucher.prn"}));
    EXPECT_TRUE(viewed.isEmpty());
    EXPECT_FALSE(QFile::exists(pathOf(QStringLiteral("Receipts.txt"))));
    EXPECT_FALSE(dialog.isLoaded());
}

TEST_F(PrintDialogOk, printsTheReceiptOfTheGridsCurrentRow) {
    QList<qint32> printed;
    frmPrint& dialog = openToPrinter();
    dialog.voucherPrinter = [&](qint32 receiptId) { printed << receiptId; };
    showReceipts({QStringLiteral("6"), QStringLiteral("7")}, 1);
    user::click(dialog.cmdOK);
    dialog.load();
    showReceipts({QStringLiteral("6"), QStringLiteral("7")}, 2);
    user::click(dialog.cmdOK);
    EXPECT_EQ(printed, QList<qint32>({6, 7}));
}

// The entry window is loaded only for the print, so a later New loads it afresh for entering.
TEST_F(PrintDialogOk, theEntryWindowLoadedForPrintingIsUnloadedAgain) {
    frmPrint& dialog = openToPrinter();
    lifecycle.clear();
    user::click(dialog.cmdOK);
    EXPECT_EQ(lifecycle, QStringList({"load frmReceiptShop", "unload frmReceiptShop", "unload frmPrint"}));
    EXPECT_FALSE(entry().isLoaded());
    EXPECT_EQ(entry().adocon(), database.connection());
}

TEST_F(PrintDialogOk, anEntryWindowAlreadyLoadedStaysLoaded) {
    entry().setAdocon(database.connection());
    entry().load();
    frmPrint& dialog = openToPrinter();
    lifecycle.clear();
    user::click(dialog.cmdOK);
    EXPECT_EQ(lifecycle, QStringList({"unload frmPrint"}));
    EXPECT_TRUE(entry().isLoaded());
    EXPECT_TRUE(contentOf(QStringLiteral("voucher.prn")).contains("RC-0007"));
}

TEST_F(PrintDialogOk, aVoucherFailureIsTheVouchersOwnAndTheDialogGoesOn) {
    frmPrint& dialog = openToScreen();
    writeSettings({{"windowsprint", "0"}, {"printtoscreen", "1"}, {"Pagewidth", "wide"}});
    user::click(dialog.cmdOK);
    EXPECT_EQ(errorProcedures(), QStringList({"frmReceiptShop.printRvoucher"}));
    EXPECT_EQ(viewed, QStringList({"Receipts.txt"}));
    EXPECT_FALSE(dialog.isLoaded());
}

TEST_F(PrintDialogOk, noReceiptInTheCurrentRowIsReportedAndTheDialogStaysOpen) {
    bool printed = false;
    frmPrint& dialog = openToScreen();
    dialog.voucherPrinter = [&](qint32) { printed = true; };
    showReceipts({QString()}, 1);
    user::click(dialog.cmdOK);
    EXPECT_FALSE(printed);
    ASSERT_EQ(errorProcedures(), QStringList({"frmPrint.cmdOK_Click"}));
    EXPECT_EQ(ui.errors[0].number, rt::err::TypeMismatch);
    EXPECT_TRUE(viewed.isEmpty());
    EXPECT_TRUE(dialog.isLoaded());
    EXPECT_FALSE(forms::HourglassPointer::busy());
}

TEST_F(PrintDialogOk, aDialogNobodyToldTheWayToTheVoucherReportsError91) {
    frmPrint& dialog = openToPrinter();
    dialog.voucherPrinter = nullptr;
    user::click(dialog.cmdOK);
    ASSERT_EQ(errorProcedures(), QStringList({"frmPrint.cmdOK_Click"}));
    EXPECT_EQ(ui.errors[0].number, rt::err::ObjectNotSet);
    EXPECT_TRUE(dialog.isLoaded());
}

TEST_F(PrintDialogOk, cancelAndEscapeCloseWithoutPrinting) {
    frmPrint& dialog = openToScreen();
    user::click(dialog.cmdCancel);
    EXPECT_FALSE(dialog.isLoaded());
    dialog.load();
    user::typeCharacter(dialog.optScreen, 'x');
    EXPECT_TRUE(dialog.isLoaded());
    user::pressKey(dialog.optScreen, forms::keys::Escape);
    EXPECT_FALSE(dialog.isLoaded());
    EXPECT_TRUE(written.isEmpty());
    EXPECT_TRUE(viewed.isEmpty());
    EXPECT_TRUE(ui.errors.empty());
}

using WindowsPrint = PrintDialogOk;

TEST_F(WindowsPrint, runsTheA4ReceiptReportWithItsFourValuesAndLeavesTheDialogOpen) {
    frmPrint& dialog = openWindowsPrint();
    user::click(dialog.cmdOK);
    ASSERT_EQ(runs.size(), 1u) << errorProcedures().join(u' ').toStdString();
    EXPECT_EQ(runs[0].file, "reports/rptDummyReceipt.rpt");
    EXPECT_EQ(runs[0].title, "Receipts");
    EXPECT_EQ(runs[0].parameters, QStringList({"Receipts ", "1", "7", "ahmed"}));
    EXPECT_EQ(runs[0].records, 1);
    EXPECT_EQ(module::session().UserName, "ahmed");
    EXPECT_TRUE(contentOf(QStringLiteral("rptDummyReceipt.pdf")).startsWith("%PDF-"));
    EXPECT_TRUE(dialog.isLoaded());
    EXPECT_TRUE(written.isEmpty());
    EXPECT_FALSE(forms::HourglassPointer::busy());
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(WindowsPrint, a5PrintsTheA5ReportForTheReceiptOfTheCurrentRow) {
    frmPrint& dialog = openWindowsPrint();
    user::click(dialog.optA5);
    showReceipts({QStringLiteral("6"), QStringLiteral("7")}, 1);
    user::click(dialog.cmdOK);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].file, "reports/rptDummyReceiptA5.rpt");
    EXPECT_EQ(runs[0].parameters, QStringList({"Receipts ", "1", "6", "ahmed"}));
    EXPECT_TRUE(contentOf(QStringLiteral("rptDummyReceiptA5.pdf")).startsWith("%PDF-"));
}

TEST_F(WindowsPrint, aReceiptTheDatabaseDoesNotHaveStillPreviewsAnEmptyReport) {
    showReceipts({QStringLiteral("12")}, 1);
    frmPrint& dialog = openWindowsPrint();
    user::click(dialog.cmdOK);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].records, 0);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(WindowsPrint, aReportNowhereToBeFoundIsReportedAsCmdOkClick) {
    const QString installed = report::ReportFiles::installedFolder();
    QTemporaryDir empty;
    report::ReportFiles::setInstalledFolder(empty.path());
    frmPrint& dialog = openWindowsPrint();
    user::click(dialog.cmdOK);
    report::ReportFiles::setInstalledFolder(installed);
    ASSERT_EQ(errorProcedures(), QStringList({"frmPrint.cmdOK_Click"}));
    EXPECT_EQ(ui.errors[0].number, rt::err::FileNotFound);
    EXPECT_EQ(ui.errors[0].description, "File not found (reports/rptDummyReceipt.rpt)");
    EXPECT_TRUE(runs.empty());
    EXPECT_TRUE(dialog.isLoaded());
    EXPECT_FALSE(forms::HourglassPointer::busy());
}

TEST_F(WindowsPrint, theApplicationFoldersOwnReportComesFirst) {
    QDir(folder.path()).mkpath(QStringLiteral("reports"));
    QFile own(pathOf(QStringLiteral("reports/rptDummyReceipt.rpt")));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("[parameters]\na = text\nb = number\nc = number\nd = text\n"
              "[query]\nselect drno from LosDummyReceiptHeader where drshopid = {?b} order by drid\n"
              "[layout]\n{{drno}}\n");
    own.close();
    frmPrint& dialog = openWindowsPrint();
    user::click(dialog.cmdOK);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].records, 3);
}

TEST_F(WindowsPrint, closingTheDialogAfterwardsKeepsThePreview) {
    frmPrint& dialog = openWindowsPrint();
    user::click(dialog.cmdOK);
    user::click(dialog.cmdCancel);
    EXPECT_FALSE(dialog.isLoaded());
    EXPECT_TRUE(QFile::exists(pathOf(QStringLiteral("rptDummyReceipt.pdf"))));
}

} // namespace
