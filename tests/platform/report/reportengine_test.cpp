// The engine as the windows use it: log-on, opening, parameters, runs, PDF and previews.
#include "reportfixture.h"

#include "platform/core/runtimeerror.h"
#include "platform/os/outputevents.h"
#include "platform/report/reportengine.h"
#include "platform/report/reportpreview.h"

#include <QDir>
#include <QFile>
#include <QTextDocument>

namespace {

using report::Report;
using report::ReportEngine;
using report::ReportPreview;

class ReportEngineTest : public report_testing::ReportFixture {
protected:
    ReportEngineTest() {
        os::OutputEvents::setReportRun([this](const os::ReportRun& run) { runs.push_back(run); });
    }
    ~ReportEngineTest() override {
        os::OutputEvents::setReportRun(nullptr);
        ReportPreview::setPresenter(nullptr);
    }

    void logOn() { engine.logOnServer("pdsodbc.dll", "admindsnv2", "adminv2", "admin"); }

    // The customer report opened as the windows name their reports, after a log-on.
    std::unique_ptr<Report> openCustomers(const QString& text = report_testing::customerReport()) {
        writeAppReport(QStringLiteral("customers.rpt"), text);
        logOn();
        return engine.openReport(appFolder() + QStringLiteral("\\reports\\customers.rpt"));
    }

    static void giveValues(Report& report, const QVariant& company) {
        report.parameterField(1).setCurrentValue(company);
        report.parameterField(2).setCurrentValue(QStringLiteral("Heading"));
    }

    static QByteArray contentOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static qint64 errorOf(const std::function<void()>& action, QString* description = nullptr) {
        try {
            action();
        } catch (const rt::RuntimeError& error) {
            if (description) *description = error.description();
            return error.number();
        }
        return 0;
    }

    ReportEngine engine{database.connection()};
    std::vector<os::ReportRun> runs;
};

TEST_F(ReportEngineTest, opensNothingBeforeALogOn) {
    writeAppReport(QStringLiteral("customers.rpt"), report_testing::customerReport());
    QString description;
    EXPECT_EQ(errorOf([&] { engine.openReport(QStringLiteral("reports/customers.rpt")); }, &description),
              rt::err::InvalidCall);
    EXPECT_EQ(description, "The report engine is not logged on to a data source");
}

TEST_F(ReportEngineTest, logOnFailsWhileTheSessionDatabaseIsNotOpen) {
    ReportEngine closed(ado::Connection::create());
    QString description;
    EXPECT_EQ(
        errorOf([&] { closed.logOnServer("pdsodbc.dll", "admindsnv2", "adminv2", "admin"); }, &description),
        rt::err::DbFailure);
    EXPECT_EQ(description,
              "Log-on to admindsnv2 (pdsodbc.dll, database adminv2, user admin) failed: the database "
              "is not open");
    ReportEngine none(nullptr);
    EXPECT_EQ(errorOf([&] { none.logOnServer("pdsodbc.dll", "admindsnv2", "adminv2", "admin"); }),
              rt::err::DbFailure);
}

TEST_F(ReportEngineTest, aConfiguredDataSourceIsReadInsteadOfTheSessionDatabase) {
    testing_support::TestDatabase other;
    other.execute(QStringLiteral("insert into acustomermaster (customerid, CompanyID, customername) values "
                                 "(1, 1, 'Elsewhere')"));
    writeAppReport(
        QStringLiteral("datasources.ini"),
        QStringLiteral("; reports of the head office\nsomewhere = Driver=sqlite;Database=/no/such.db\n"
                       "ADMINDSNV2 = Driver=sqlite;Database=") +
            QDir(other.folder()).filePath(QStringLiteral("test.db")) + QStringLiteral("\n"));
    std::unique_ptr<Report> report = openCustomers();
    giveValues(*report, 1);
    EXPECT_TRUE(report->run()->document().toPlainText().contains(QStringLiteral("Elsewhere")));
    EXPECT_EQ(report->recordCount(), 1);
    // Another name is the session's database.
    engine.logOnServer("pdsodbc.dll", "otherdsn", "adminv2", "admin");
    report = engine.openReport(QStringLiteral("reports/customers.rpt"));
    giveValues(*report, 1);
    report->run();
    EXPECT_EQ(report->recordCount(), 3);
    // A configured source that cannot be opened fails the log-on with the driver's error.
    EXPECT_NE(errorOf([&] { engine.logOnServer("pdsodbc.dll", "Somewhere", "adminv2", "admin"); }), 0);
}

TEST_F(ReportEngineTest, parameterFieldsAreFoundByPositionFromOneAndByName) {
    std::unique_ptr<Report> report = openCustomers();
    EXPECT_EQ(report->parameterField(1).name(), "intCompanyID");
    EXPECT_EQ(report->parameterField(2).name(), "strHeading");
    EXPECT_EQ(&report->parameterField(QStringLiteral("STRHEADING")), &report->parameterField(2));
    EXPECT_EQ(errorOf([&] { report->parameterField(0); }), rt::err::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { report->parameterField(3); }), rt::err::SubscriptOutOfRange);
    QString description;
    EXPECT_EQ(errorOf([&] { report->parameterField(QStringLiteral("intShopID")); }, &description),
              rt::err::SubscriptOutOfRange);
    EXPECT_EQ(description, "Subscript out of range (report parameter intShopID)");
}

TEST_F(ReportEngineTest, recordCountIsThatOfTheLastRun) {
    std::unique_ptr<Report> report = openCustomers();
    EXPECT_EQ(report->recordCount(), 0);
    giveValues(*report, 1);
    report->run();
    EXPECT_EQ(report->recordCount(), 3);
    report->parameterField(1).setCurrentValue(2);
    report->run();
    EXPECT_EQ(report->recordCount(), 1);
    report->parameterField(1).setCurrentValue(99);
    report->run();
    EXPECT_EQ(report->recordCount(), 0);
}

TEST_F(ReportEngineTest, aParameterWithoutValueStopsTheRun) {
    std::unique_ptr<Report> report = openCustomers();
    report->parameterField(2).setCurrentValue(QStringLiteral("Heading"));
    QString description;
    EXPECT_EQ(errorOf([&] { report->run(); }, &description), rt::err::InvalidCall);
    EXPECT_EQ(description, "The report parameter intCompanyID has no current value");
}

TEST_F(ReportEngineTest, aRunIsLaidOutOnTheReportsPageUnderItsTitle) {
    std::unique_ptr<Report> report =
        openCustomers(report_testing::customerReport(QStringLiteral("Customer list")));
    giveValues(*report, 1);
    std::shared_ptr<const report::RenderedReport> rendered = report->run();
    EXPECT_EQ(rendered->name(), "customers");
    EXPECT_EQ(rendered->title(), "Customer list");
    EXPECT_EQ(rendered->pageLayout().pageSize().id(), QPageSize::A5);
    EXPECT_EQ(rendered->document().toPlainText(), "Heading\nAli Hassan\nC-01C-02C-03");
    EXPECT_EQ(report->run(QStringLiteral("Other"))->title(), "Other");
}

TEST_F(ReportEngineTest, functionsDefinedOnTheEngineReachTheLayouts) {
    engine.defineFunction(QStringLiteral("Words"), [](const QVariant& value) {
        return QStringLiteral("<%1 in words>").arg(value.toString());
    });
    std::unique_ptr<Report> report =
        openCustomers(QStringLiteral("[parameters]\nid = number\n[query]\nselect customerid from "
                                     "acustomermaster where customerid = {?id}\n"
                                     "[layout]\n{{customerid|words}}"));
    report->parameterField(1).setCurrentValue(3);
    EXPECT_EQ(report->run()->document().toPlainText(), "<3 in words>");
}

TEST_F(ReportEngineTest, aLayoutRepeatingASectionTheFileDoesNotDefineIsRefusedOnOpening) {
    QString description;
    EXPECT_EQ(errorOf(
                  [&] {
                      openCustomers(
                          QStringLiteral("[query]\nselect 1 as a\n[layout]\n{{#lines}}{{a}}{{/lines}}\n"));
                  },
                  &description),
              rt::err::InvalidCall);
    EXPECT_EQ(description, "customers.rpt: the layout repeats {{#lines}}, which has no [section lines]");
}

TEST_F(ReportEngineTest, aRunIsWrittenToAPdfFile) {
    std::unique_ptr<Report> report = openCustomers();
    giveValues(*report, 1);
    const QString pdf = QDir(appFolder()).filePath(QStringLiteral("out.pdf"));
    report->run()->writePdf(pdf);
    const QByteArray bytes = contentOf(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
    EXPECT_EQ(report->recordCount(), 3);
    EXPECT_EQ(errorOf([&] { report->run()->writePdf(QStringLiteral("/no/such/folder/out.pdf")); }),
              rt::err::PathAccess);
}

TEST_F(ReportEngineTest, withoutAPreviewWindowAPreviewIsAPdfInTheApplicationFolderAndTheRunIsTold) {
    std::unique_ptr<Report> report = openCustomers();
    giveValues(*report, 1.0);
    std::unique_ptr<report::PreviewWindow> window = report->preview(QStringLiteral("Customers"), {});
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].file, "reports/customers.rpt");
    EXPECT_EQ(runs[0].title, "Customers");
    EXPECT_EQ(runs[0].parameters, QStringList({"1", "Heading"}));
    EXPECT_EQ(runs[0].records, 3);
    const QString pdf = QDir(appFolder()).filePath(QStringLiteral("customers.pdf"));
    EXPECT_TRUE(contentOf(pdf).startsWith("%PDF-"));
    EXPECT_TRUE(window->isOpen());
    window->bringToTop();
    window->close();
    EXPECT_FALSE(window->isOpen());
    EXPECT_FALSE(QFile::exists(pdf));
    window->close();
}

TEST_F(ReportEngineTest, anInstalledPreviewWindowShowsTheRunInsteadOfAFile) {
    struct FakeWindow : report::PreviewWindow {
        bool isOpen() const override { return true; }
        void close() override {}
        void bringToTop() override {}
    };
    QString shownTitle;
    report::WindowOptions shownOptions;
    ReportPreview::setPresenter(
        [&](std::shared_ptr<const report::RenderedReport> rendered,
            const report::WindowOptions& options) -> std::unique_ptr<report::PreviewWindow> {
            shownTitle = rendered->title();
            shownOptions = options;
            return std::make_unique<FakeWindow>();
        });
    std::unique_ptr<Report> report = openCustomers();
    giveValues(*report, 2);
    report::WindowOptions options;
    options.maximised = true;
    options.zoomControl = true;
    EXPECT_TRUE(report->preview(QStringLiteral("Customers of two"), options)->isOpen());
    EXPECT_EQ(shownTitle, "Customers of two");
    EXPECT_TRUE(shownOptions.maximised);
    EXPECT_TRUE(shownOptions.zoomControl);
    EXPECT_FALSE(shownOptions.printButton);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].records, 1);
    EXPECT_FALSE(QFile::exists(QDir(appFolder()).filePath(QStringLiteral("customers.pdf"))));
}

} // namespace
