// Report layouts: fields, parameters, formats, functions and repeated sections filled from a run.
#include "reportfixture.h"

#include "platform/core/runtimeerror.h"
#include "platform/report/reportdata.h"
#include "platform/report/reporttemplate.h"

namespace {

using report::ParameterField;
using report::ReportData;
using report::ReportDefinition;
using report::ReportTemplate;

class ReportLayout : public report_testing::ReportFixture {
protected:
    // Fills the layout from the customers of the company, with the given sections.
    QString render(const QString& layout, qint32 company = 1, const QString& sections = QString()) {
        const ReportDefinition definition = ReportDefinition::parse(
            QStringLiteral("[parameters]\nintCompanyID = number\nstrHeading = text\n"
                           "[query]\nselect customername, address, customerid * 1.5 as share, "
                           "'2024-03-05 00:00:00.000' as since from acustomermaster "
                           "where CompanyID = {?intCompanyID} order by customername\n") +
                sections + QStringLiteral("[layout]\n") + layout,
            QStringLiteral("layout.rpt"));
        std::vector<ParameterField> parameters;
        for (const report::ParameterDeclaration& declaration : definition.parameters)
            parameters.emplace_back(declaration);
        parameters[0].setCurrentValue(company);
        parameters[1].setCurrentValue(QStringLiteral("Our <best> customers"));
        const ReportData data = ReportData::read(definition, parameters, database.connection());
        return ReportTemplate(definition.layout).render(data, parameters, functions);
    }

    static QString layoutError(const QString& layout) {
        try {
            ReportTemplate{layout};
        } catch (const rt::RuntimeError& error) {
            return error.description();
        }
        return QString();
    }

    report::ReportFunctions functions;
    const QString codes =
        QStringLiteral("[section codes]\nselect customercode, customername as name from acustomermaster "
                       "where CompanyID = {?intCompanyID} order by customercode\n");
};

TEST_F(ReportLayout, fieldsComeFromTheFirstRecordEscapedForHtml) {
    EXPECT_EQ(render(QStringLiteral("<p>{{ customername }} of {{ADDRESS}}</p>")), "<p>Ali Hassan of </p>");
    EXPECT_EQ(render(QStringLiteral("{{customername}}"), 2), "Other Company");
    database.execute(
        QStringLiteral("update acustomermaster set customername = 'A & B <Ltd>' where customerid = 2"));
    EXPECT_EQ(render(QStringLiteral("{{customername}}")), "A &amp; B &lt;Ltd&gt;");
}

TEST_F(ReportLayout, parametersPrintTheirTextEscaped) {
    EXPECT_EQ(render(QStringLiteral("<h1>{{?strheading}}</h1>{{?intCompanyID|0.00}}")),
              "<h1>Our &lt;best&gt; customers</h1>1.00");
}

TEST_F(ReportLayout, formatsApplyToNumbersAndDatesAndNullsPrintNothing) {
    EXPECT_EQ(render(QStringLiteral("{{share}}|{{share|0.00}}|{{since|dd/mm/yyyy}}|{{address|0.00}}")),
              "3|3.00|05/03/2024|");
}

TEST_F(ReportLayout, aFormatNamingAFunctionCallsIt) {
    functions[QStringLiteral("shout")] = [](const QVariant& value) {
        return value.toString().toUpper() + "!";
    };
    EXPECT_EQ(render(QStringLiteral("{{customername|Shout}}")), "ALI HASSAN!");
}

TEST_F(ReportLayout, sectionsRepeatPerRowAndTheirFieldsHideTheRecordsFields) {
    EXPECT_EQ(
        render(QStringLiteral("{{#codes}}[{{customercode}} {{name}} / {{customername}}]{{/codes}}"), 1,
               codes),
        "[C-01 Ali Hassan / Ali Hassan][C-02 Zahir &amp; Sons / Ali Hassan][C-03 Mariyam / Ali Hassan]");
    const QString shadowing = QStringLiteral(
        "[section codes]\nselect customername from acustomermaster where CompanyID = {?intCompanyID} "
        "order by customername desc\n");
    EXPECT_EQ(render(QStringLiteral("{{#codes}}{{customername}};{{/codes}}{{customername}}"), 1, shadowing),
              "Zahir &amp; Sons;Mariyam;Ali Hassan;Ali Hassan");
}

TEST_F(ReportLayout, withoutRecordsFieldsAreEmptyAndSectionsAreNotRepeated) {
    EXPECT_EQ(
        render(QStringLiteral("<p>{{customername}}</p>{{#codes}}x{{/codes}}{{?strHeading}}"), 99, codes),
        "<p></p>Our &lt;best&gt; customers");
}

TEST_F(ReportLayout, aFieldOrParameterTheRunDoesNotHaveIsAnError) {
    try {
        render(QStringLiteral("{{customername}}{{balance}}"));
        FAIL() << "an unknown field printed";
    } catch (const rt::RuntimeError& error) {
        EXPECT_EQ(error.number(), rt::err::ItemNotFound);
        EXPECT_TRUE(error.description().endsWith(QStringLiteral("(balance)")))
            << error.description().toStdString();
    }
    EXPECT_THROW(render(QStringLiteral("{{?strUser}}")), rt::RuntimeError);
}

TEST_F(ReportLayout, brokenMarkersAreRefusedWhenTheLayoutIsRead) {
    EXPECT_EQ(layoutError(QStringLiteral("<p>{{name</p>")), "Report layout: a {{ without its }}");
    EXPECT_EQ(layoutError(QStringLiteral("{{#lines}}x")), "Report layout: {{#lines}} is not closed");
    EXPECT_EQ(layoutError(QStringLiteral("{{#a}}{{#b}}{{/a}}{{/b}}")),
              "Report layout: {{/a}} closes no open section");
    EXPECT_EQ(layoutError(QStringLiteral("x{{/a}}")), "Report layout: {{/a}} closes no open section");
    EXPECT_EQ(layoutError(QStringLiteral("{{ }}")), "Report layout: a marker without a name");
    EXPECT_EQ(layoutError(QStringLiteral("{{?|0.00}}")), "Report layout: a marker without a name");
    EXPECT_EQ(layoutError(QStringLiteral("td { padding: 2px } {{#A}}{{/a}}")), "");
}

TEST(ReportTemplate, listsTheSectionsItRepeatsNestedOnesToo) {
    const ReportTemplate layout(
        QStringLiteral("{{#lines}}{{#taxes}}{{/taxes}}{{/lines}}{{#notes}}{{/notes}}"));
    QStringList names = layout.sectionNames();
    names.sort();
    EXPECT_EQ(names, QStringList({"lines", "notes", "taxes"}));
}

} // namespace
