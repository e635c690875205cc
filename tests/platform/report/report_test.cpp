// Reports: finding and reading report files, parameters, layouts, and runs through the engine.
#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"
#include "platform/os/applicationfolder.h"
#include "platform/os/finishedoutput.h"
#include "platform/report/reportdata.h"
#include "platform/report/reportengine.h"
#include "platform/report/reportfiles.h"
#include "platform/report/reportpreview.h"
#include "platform/report/reporttemplate.h"
#include "support/testdatabase.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

using namespace report;

// What an action returns, or "NUMBER: DESCRIPTION" of the error it raises.
std::string outcome(const std::function<QString()>& action) {
    try {
        return action().toStdString();
    } catch (const core::RuntimeError& error) {
        return QString("%1: %2").arg(error.number()).arg(error.description()).toStdString();
    }
}

// An application folder and a program report folder of their own, and a database with a few customers.
class Reports : public ::testing::Test {
protected:
    Reports() {
        os::setApplicationFolder(app.path());
        ReportFiles::setInstalledFolder(installed.path());
        database.execute(
            "insert into acustomermaster (customerid, CompanyID, customercode, customername, address) values "
            "(1, 1, 'C-02', 'Zahir & Sons', 'Male'), (2, 1, 'C-01', 'Ali Hassan', null), (3, 1, 'C-03', "
            "'Mariyam', 'Hulhumale'), (4, 2, 'C-09', 'Other Company', 'Addu')");
        os::FinishedOutput::setReportRun([this](const os::ReportRun& run) { runs.push_back(run); });
    }
    ~Reports() override {
        ReportFiles::setInstalledFolder(before), os::FinishedOutput::setReportRun(nullptr);
    }
    // Writes NAME under reports/ of the application folder, or "program/NAME" among the program's own.
    QString write(const QString& name, const QString& text) {
        const QString path =
            name.startsWith("program/") ? installed.filePath(name.mid(8)) : app.filePath("reports/" + name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) > 0) << path.toStdString();
        return path;
    }

    // title|page|orientation|margins|parameters|query|sections|layout
    static QString summary(const ReportDefinition& d) {
        QStringList parameters, sections;
        for (const ParameterDeclaration& p : d.parameters)
            parameters << QString("%1=%2").arg(p.name).arg(int(p.type));
        for (const SectionQuery& section : d.sections)
            sections << section.name;
        const QString page =
            QString("%1|%2|%3").arg(QPageSize::key(d.pageSize)).arg(d.orientation).arg(d.marginMillimetres);
        return QStringList{d.title, page, parameters.join(' '), d.query, sections.join(' '), d.layout}.join(
            '|');
    }

    QTemporaryDir app, installed;
    const QString before = ReportFiles::installedFolder(); // the program's report folder, put back afterwards
    testing_support::TestDatabase database;
    ReportEngine engine{database.connection()};
    std::vector<os::ReportRun> runs;
    // The customers of a company with a heading, their codes and their names backwards, without a layout.
    const QString customers =
        "[parameters]\nintCompanyID = number\nstrHeading = text\n[query]\nselect customername, address, "
        "customerid * 1.5 as share, '2024-03-05 00:00:00.000' as since from acustomermaster where CompanyID "
        "= {?intCompanyID} order by customername\n[section codes]\nselect customercode, customername as name "
        "from acustomermaster where CompanyID = {?intCompanyID} order by customercode\n[section "
        "names]\nselect customername from acustomermaster where CompanyID = {?intCompanyID} order by "
        "customername desc\n";
};

TEST_F(Reports, areFoundInTheApplicationFolderFirstThenAmongTheProgramsOwnWithoutRegardToCase) {
    write("rptDummyReceipt.rpt", "own"), write("program/rptDummyReceipt.rpt", "program");
    write("program/rptDummyReceiptA5.rpt", "program A5"), QDir(app.path()).mkpath("reports/folder.rpt");
    for (const auto& [name, expected] : std::initializer_list<std::pair<QString, const char*>>{
             {"APP\\reports\\rptdummyreceipt.RPT", "own"},
             {"APP\\reports\\rptDummyReceiptA5.rpt", "program A5"},
             {"/nowhere/RPTDUMMYRECEIPTA5.rpt", "program A5"}, // outside the application folder: by file name
             {"APP\\reports\\rptMissing.rpt", "53: File not found (reports/rptMissing.rpt)"},
             {"reports/folder.rpt", "53: File not found (reports/folder.rpt)"},
             {"  ", "52: Bad file name or number (no report file named)"}})
        EXPECT_EQ(outcome([&] {
                      QFile file(ReportFiles::locate(QString(name).replace("APP", app.path())));
                      return file.open(QIODevice::ReadOnly) ? QString(file.readAll()) : "unreadable";
                  }),
                  expected)
            << name.toStdString();
}

TEST_F(Reports, definitionsAreReadWithTheirRelatedFilesOrRefusedNamingTheFileAndLine) {
    write("program/base.rpt", "[parameters]\nid = number\n[query]\nselect {?id} as q\n[layout]\ni\n");
    write("program/look.rpt", "[layout]\nprogram\n"), write("look.rpt", "[layout]\nbeside\n");
    write("chained.rpt", "[report]\nlayout = look.rpt\n");
    const std::pair<const char*, const char*> rows[] = {
        {"; comment\r\n[report]\r\ntitle = Credit Invoice \r\npage = a5\r\norientation = "
         "Landscape\r\nmargins = 8.5\r\n[parameters]\r\nintShopID = number\r\nstrUser = "
         "TEXT\r\n[query]\r\nselect {?intShopID}\r\n  -- kept\r\n\r\n[section lines]\r\nselect "
         "{?strUser}\r\n[ Section  more ]\r\nselect 3\r\n[layout]\r\n# kept\r\n",
         "Credit Invoice|A5|1|8.5|intShopID=1 strUser=0|select {?intShopID}\n  -- kept|lines more|# kept"},
        {"[query]\nselect 1\n[layout]\nx\n", "|A4|0|15||select 1||x"},
        {"[report]\ndata = base.rpt\nlayout = look.rpt\n", "|A4|0|15|id=1|select {?id} as q||beside"},
        {"[report]\ndata = lost.rpt\n", "53: File not found (lost.rpt)"},
        {"[report]\ndata = base.rpt\n[query]\nselect 1\n[layout]\nx\n",
         "5: base.rpt: a report taking its data from it has queries of its own"},
        {"[report]\nlayout = chained.rpt\n",
         "5: chained.rpt: a layout file cannot take its layout from another"},
        {"[report]\ntitle = x\ncolour = red\n", "5: test.rpt, line 3: unknown setting colour"},
        {"select 1\n[query]\n", "5: test.rpt, line 1: text before the first [part]"},
        {"[query]\nselect 1\n[QUERY]\n", "5: test.rpt, line 3: [query] appears twice"},
        {"[report]\npage = B7\n", "5: test.rpt, line 2: unknown page size B7"},
        {"[report]\norientation = sideways\n", "5: test.rpt, line 2: orientation is portrait or landscape"},
        {"[report]\nmargins = -1\n", "5: test.rpt, line 2: margins must be millimetres"},
        {"[parameters]\nintShopID\n", "5: test.rpt, line 2: expected NAME = VALUE"},
        {"[parameters]\nshop id = number\n", "5: test.rpt, line 2: bad parameter name shop id"},
        {"[query]\nselect 1\n", "5: test.rpt: no [layout]"},
        {"[query]\nselect 1\n[section a]\n[layout]\nx\n", "5: test.rpt: [section a] is empty"},
        {"[section a]\nx\n[section A]\n", "5: test.rpt, line 3: [section a] appears twice"},
        {"[parameters]\nid = integer\n", "5: test.rpt, line 2: parameter type is text or number"},
        {"[layout]\nx\n", "5: test.rpt: no [query]"},
        {"[parameters]\nid = number\n[query]\nselect {?ID}\n[section a]\nselect {?user}\n[layout]\nx\n",
         "5: test.rpt: {?user} is not a declared parameter"},
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(outcome([&] { return summary(ReportFiles::load(write("test.rpt", text))); }), expected)
            << text;
}

TEST_F(Reports, parametersTakeTheValuesOfTheirTypeAndEnterQueriesAsLiterals) {
    const std::tuple<ParameterType, QVariant, const char*> rows[] = {
        {ParameterType::Number, 7.0, "7|7"},
        {ParameterType::Number, " 1,234.5 ", "1234.5|1234.5"},
        {ParameterType::Number, "5; drop table x", "13: Type mismatch"},
        {ParameterType::Text, "O'Neil ", "O'Neil |'O''Neil '"},
        {ParameterType::Text, 12, "12|'12'"}, // a number given to a text enters as text
        {ParameterType::Text, QVariant(), "94: Invalid use of Null"},
        {ParameterType::Number, QVariant(), "94: Invalid use of Null"},
    };
    const auto show = [](const ParameterField& field) { return field.text() + '|' + field.sqlLiteral(); };
    for (const auto& [type, value, expected] : rows) {
        ParameterField field({"strName", type});
        EXPECT_EQ(outcome([&] { return field.setCurrentValue(value), show(field); }), expected)
            << value.toString().toStdString();
    }
    ParameterField field({"strName", ParameterType::Number});
    EXPECT_EQ(outcome([&] { return show(field); }), "5: The report parameter strName has no current value");
    const core::Regional saved = core::regional();
    core::setRegional({"dd.MM.yyyy", ',', '.'});
    field.setCurrentValue("15,42");
    const QString regional = show(field);
    core::setRegional(saved);
    EXPECT_EQ(regional, "15,42|15.42"); // queries see a point whatever the regional settings
}

TEST_F(Reports, layoutsPrintFieldsParametersFormatsFunctionsAndSectionsEscaped) {
    const std::tuple<const char*, int, const char*> rows[] = {
        {"<p>{{ customername }} of {{ADDRESS}}</p>", 1, "<p>Ali Hassan of </p>"}, // the first record
        {"{{?strheading}}|{{?intCompanyID|0.00}}", 1, "Our &lt;best&gt; customers|1.00"},
        {"{{share}}|{{share|0.00}}|{{since|dd/mm/yyyy}}|{{address|0.00}}|{{customername|Shout}}", 1,
         "3|3.00|05/03/2024||ALI HASSAN!"},
        {"{{#codes}}[{{customercode}} {{name}} / {{customername}}]{{/codes}}", 1,
         "[C-01 Ali Hassan / Ali Hassan][C-02 Zahir &amp; Sons / Ali Hassan][C-03 Mariyam / Ali Hassan]"},
        {"{{#names}}{{customername}};{{/names}}{{customername}}", 1,
         "Zahir &amp; Sons;Mariyam;Ali Hassan;Ali Hassan"},
        {"<p>{{customername}}</p>{{#codes}}x{{/codes}}{{?strHeading}}", 99,
         "<p></p>Our &lt;best&gt; customers"},
        {"{{balance}}", 1,
         "3265: Item cannot be found in the collection corresponding to the requested name or ordinal. "
         "(balance)"},
        {"{{?strUser}}", 1, "5: {{?strUser}} is not a parameter of the report"},
        {"<p>{{name</p>", 1, "5: Report layout: a {{ without its }}"},
        {"{{#lines}}x", 1, "5: Report layout: {{#lines}} is not closed"},
        {"{{#a}}{{#b}}{{/a}}{{/b}}", 1, "5: Report layout: {{/a}} closes no open section"},
        {"td { padding: 2px } {{#Codes}}{{/codes}}", 1, "td { padding: 2px } "},
    };
    const ReportDefinition definition = ReportDefinition::parse(customers, "layout.rpt");
    std::vector<ParameterField> parameters(definition.parameters.begin(), definition.parameters.end());
    parameters[1].setCurrentValue("Our <best> customers");
    const ReportFunctions functions{{"shout", [](auto& v) { return v.toString().toUpper() + "!"; }}};
    for (const auto& [layout, company, expected] : rows)
        EXPECT_EQ(outcome([&] {
                      parameters[0].setCurrentValue(company);
                      const ReportData data = ReportData::read(definition, parameters, database.connection());
                      return ReportTemplate(layout).render(data, parameters, functions);
                  }),
                  expected)
            << layout;
}

TEST_F(Reports, theEngineOpensFilesAfterALogOnRunsThemAndCountsTheRecordsOfTheLastRun) {
    EXPECT_EQ(outcome([&] { return engine.openReport("reports/customers.rpt"), ""; }),
              "5: The report engine is not logged on to a data source");
    write("customers.rpt", customers + "[report]\ntitle = Customer list\npage = "
                                       "A5\n[layout]\n<h1>{{?strHeading}}</h1><p>{{customername}}</"
                                       "p>{{#codes}}<i>{{customercode}}</i>{{/codes}}\n");
    engine.logOnServer("pdsodbc.dll", "admindsnv2", "adminv2", "admin");
    std::unique_ptr<Report> report = engine.openReport(app.path() + "\\reports\\customers.rpt");
    EXPECT_EQ(&report->parameterField("STRHEADING"), &report->parameterField(2));
    EXPECT_EQ(outcome([&] { return report->parameterField(3).name(); }).substr(0, 2), "9:");
    EXPECT_EQ(outcome([&] { return report->run(), ""; }),
              "5: The report parameter intCompanyID has no current value");
    QStringList counts{QString::number(report->recordCount())};
    report->parameterField(2).setCurrentValue("Heading");
    for (int company : {1, 2, 99})
        report->parameterField(1).setCurrentValue(company), report->run(),
            counts << QString::number(report->recordCount());
    EXPECT_EQ(counts.join(' '), "0 3 1 0");
    report->parameterField(1).setCurrentValue(1.0);
    std::shared_ptr<const RenderedReport> rendered = report->run();
    EXPECT_EQ(rendered->name() + '|' + rendered->title() + '|' + rendered->pageLayout().pageSize().key() +
                  '|' + rendered->document().toPlainText(),
              "customers|Customer list|A5|Heading\nAli Hassan\nC-01C-02C-03");
    EXPECT_EQ(outcome([&] { return rendered->writePdf("/no/such/folder/out.pdf"), ""; }).substr(0, 3), "75:");
    std::unique_ptr<PreviewWindow> window = report->preview("Customers", {}); // without a window: a PDF file
    QFile pdf(app.filePath("customers.pdf"));
    EXPECT_TRUE(window->isOpen() && pdf.open(QIODevice::ReadOnly) && pdf.readAll().contains("%%EOF"));
    window->close(), window->close();
    EXPECT_FALSE(window->isOpen() || pdf.exists());
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].file + '|' + runs[0].title + '|' + runs[0].parameters.join(',') + '|' +
                  QString::number(runs[0].records),
              "reports/customers.rpt|Customers|1,Heading|3");
    write("nested.rpt", "[query]\nselect 1\n[section a]\nselect 2\n[layout]\n{{#a}}{{#b}}{{/b}}{{/a}}");
    EXPECT_EQ(outcome([&] { return engine.openReport("reports/nested.rpt"), ""; }),
              "5: nested.rpt: the layout repeats {{#b}}, which has no [section b]");
}

TEST_F(Reports, logOnTakesAConfiguredDataSourceElseTheOpenSessionDatabase) {
    testing_support::TestDatabase other;
    other.execute(
        "insert into acustomermaster (customerid, CompanyID, customername) values (1, 1, 'Elsewhere')");
    write("datasources.ini",
          "; the head office\nsomewhere = Driver=sqlite;Database=/no/such.db\nADMINDSNV2 = "
          "Driver=sqlite;Database=" +
              QDir(other.folder()).filePath("test.db") + "\n");
    write("customers.rpt", customers + "[layout]\n{{customername}}");
    const auto names = [&](const char* dataSource) {
        engine.logOnServer("pdsodbc.dll", dataSource, "adminv2", "admin");
        std::unique_ptr<Report> report = engine.openReport("reports/customers.rpt");
        report->parameterField(1).setCurrentValue(1), report->parameterField(2).setCurrentValue("");
        const QString text = report->run()->document().toPlainText();
        return text + QString(" %1").arg(report->recordCount());
    };
    EXPECT_EQ(outcome([&] { return names("admindsnv2"); }), "Elsewhere 1");
    EXPECT_EQ(outcome([&] { return names("otherdsn"); }), "Ali Hassan 3"); // the session's database
    EXPECT_EQ(outcome([&] { return names("Somewhere"); }).substr(0, 12), "-2147467259:");
    EXPECT_EQ(
        outcome([&] {
            return ReportEngine(ado::Connection::create()).logOnServer("pdsodbc.dll", "dsn", "db", "me"), "";
        }),
        "-2147467259: Log-on to dsn (pdsodbc.dll, database db, user me) failed: the database is not open");
}

} // namespace
