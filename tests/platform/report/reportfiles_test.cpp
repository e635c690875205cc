// Finding report files: the application folder first, then the program's own; reading related files.
#include "reportfixture.h"

#include "platform/core/runtimeerror.h"
#include "platform/report/reportfiles.h"

#include <QDir>

namespace {

using report::ReportFiles;

class ReportLookup : public report_testing::ReportFixture {
protected:
    qint64 locateError(const QString& name) const {
        try {
            ReportFiles::locate(name);
        } catch (const rt::RuntimeError& error) {
            lastDescription = error.description();
            return error.number();
        }
        return 0;
    }
    mutable QString lastDescription;
};

TEST_F(ReportLookup, theApplicationFolderComesBeforeTheProgramsOwnReports) {
    writeInstalledReport(QStringLiteral("rptDummyReceipt.rpt"), QStringLiteral("installed"));
    const QString own = writeAppReport(QStringLiteral("rptDummyReceipt.rpt"), QStringLiteral("own"));
    EXPECT_EQ(ReportFiles::locate(appFolder() + QStringLiteral("\\reports\\rptDummyReceipt.rpt")), own);
    EXPECT_EQ(ReportFiles::locate(QStringLiteral("reports/rptDummyReceipt.rpt")), own);
}

TEST_F(ReportLookup, aReportMissingFromTheApplicationFolderIsTakenFromTheProgram) {
    const QString installed =
        writeInstalledReport(QStringLiteral("rptDummyReceiptA5.rpt"), QStringLiteral("x"));
    EXPECT_EQ(ReportFiles::locate(appFolder() + QStringLiteral("\\reports\\rptDummyReceiptA5.rpt")),
              installed);
    // A path outside the application folder falls back on its file name.
    EXPECT_EQ(ReportFiles::locate(QStringLiteral("/nowhere/rptDummyReceiptA5.rpt")), installed);
}

TEST_F(ReportLookup, letterCaseOfTheFileNameIsIgnoredInBothPlaces) {
    const QString own = writeAppReport(QStringLiteral("rptCreditInvoice.rpt"), QStringLiteral("x"));
    EXPECT_EQ(ReportFiles::locate(QStringLiteral("reports\\RPTCREDITINVOICE.RPT")), own);
    const QString installed =
        writeInstalledReport(QStringLiteral("rptServiceInvoicePOS.rpt"), QStringLiteral("x"));
    EXPECT_EQ(ReportFiles::locate(QStringLiteral("reports/rptserviceinvoicepos.rpt")), installed);
}

TEST_F(ReportLookup, aReportNowhereToBeFoundOrNotNamedIsAnError) {
    EXPECT_EQ(locateError(appFolder() + QStringLiteral("\\reports\\rptMissing.rpt")), rt::err::FileNotFound);
    EXPECT_EQ(lastDescription, "File not found (reports/rptMissing.rpt)");
    EXPECT_EQ(locateError(QString()), rt::err::BadFileName);
    EXPECT_EQ(locateError(QStringLiteral("  ")), rt::err::BadFileName);
    // A folder is not a report file.
    QDir(appFolder()).mkpath(QStringLiteral("reports/folder.rpt"));
    EXPECT_EQ(locateError(QStringLiteral("reports/folder.rpt")), rt::err::FileNotFound);
}

TEST_F(ReportLookup, displayNamesAreRelativeToTheApplicationFolderWithSlashes) {
    EXPECT_EQ(ReportFiles::displayName(appFolder() + QStringLiteral("\\reports\\rptDummyReceipt.rpt")),
              "reports/rptDummyReceipt.rpt");
    EXPECT_EQ(ReportFiles::displayName(QStringLiteral("reports\\x.rpt")), "reports/x.rpt");
    EXPECT_EQ(ReportFiles::displayName(QStringLiteral("/elsewhere/x.rpt")), "/elsewhere/x.rpt");
}

TEST_F(ReportLookup, dataAndLayoutFilesAreFoundBesideTheReportThenInTheProgram) {
    writeInstalledReport(
        QStringLiteral("base.rpt"),
        QStringLiteral("[parameters]\na = text\n[query]\nselect 'installed' as q\n[layout]\ni\n"));
    writeInstalledReport(QStringLiteral("look.rpt"), QStringLiteral("[layout]\n<p>{{q}}</p>\n"));
    const QString small = writeAppReport(QStringLiteral("small.rpt"),
                                         QStringLiteral("[report]\ndata = base.rpt\nlayout = look.rpt\n"));
    report::ReportDefinition definition = ReportFiles::load(small);
    EXPECT_EQ(definition.query, "select 'installed' as q");
    EXPECT_EQ(definition.layout, "<p>{{q}}</p>");

    writeAppReport(QStringLiteral("base.rpt"), QStringLiteral("[query]\nselect 'own' as q\n"));
    definition = ReportFiles::load(small);
    EXPECT_EQ(definition.query, "select 'own' as q");
    EXPECT_TRUE(definition.parameters.empty());
}

TEST_F(ReportLookup, loadingRefusesIncompleteReportsAndMissingRelatedFiles) {
    const QString noLayout = writeAppReport(QStringLiteral("a.rpt"), QStringLiteral("[query]\nselect 1\n"));
    EXPECT_THROW(ReportFiles::load(noLayout), rt::RuntimeError);
    const QString lost =
        writeAppReport(QStringLiteral("b.rpt"), QStringLiteral("[report]\ndata = lost.rpt\n"));
    try {
        ReportFiles::load(lost);
        FAIL() << "a report without its data file loaded";
    } catch (const rt::RuntimeError& error) {
        EXPECT_EQ(error.number(), rt::err::FileNotFound);
        EXPECT_EQ(error.description(), "File not found (lost.rpt)");
    }
}

} // namespace
