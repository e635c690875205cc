// Reading report files: parts, settings, parameters, and the faults a file can have.
#include "platform/core/runtimeerror.h"
#include "platform/report/reportdefinition.h"

#include <gtest/gtest.h>

namespace {

using report::ParameterType;
using report::ReportDefinition;

ReportDefinition parsed(const char* text) {
    return ReportDefinition::parse(QString::fromUtf8(text), QStringLiteral("test.rpt"));
}

// The description of the error parsing the text raises; empty when it parses.
QString parseError(const char* text) {
    try {
        parsed(text);
    } catch (const rt::RuntimeError& error) {
        EXPECT_EQ(error.number(), rt::err::InvalidCall);
        return error.description();
    }
    return QString();
}

QString validationError(const ReportDefinition& definition) {
    try {
        definition.validate(QStringLiteral("test.rpt"));
    } catch (const rt::RuntimeError& error) {
        return error.description();
    }
    return QString();
}

TEST(ReportDefinition, readsSettingsParametersInOrderQuerySectionsAndLayout) {
    const ReportDefinition definition = parsed("; a comment before the parts\r\n"
                                               "[report]\r\ntitle = Credit Invoice \r\npage = a5\r\n"
                                               "orientation = Landscape\r\nmargins = 8.5\r\n"
                                               "[parameters]\r\n# in position order\r\nintShopID = number\r\n"
                                               "strUserName = TEXT\r\n"
                                               "[query]\r\nselect 1\r\n  from x\r\n\r\n"
                                               "[section lines]\r\nselect 2\r\n"
                                               "[ Section  more ]\r\nselect 3\r\n"
                                               "[layout]\r\n<p>{{a}}</p>\r\n");
    EXPECT_EQ(definition.title, "Credit Invoice");
    EXPECT_EQ(definition.pageSize, QPageSize::A5);
    EXPECT_EQ(definition.orientation, QPageLayout::Landscape);
    EXPECT_DOUBLE_EQ(definition.marginMillimetres, 8.5);
    ASSERT_EQ(definition.parameters.size(), 2u);
    EXPECT_EQ(definition.parameters[0].name, "intShopID");
    EXPECT_EQ(definition.parameters[0].type, ParameterType::Number);
    EXPECT_EQ(definition.parameters[1].name, "strUserName");
    EXPECT_EQ(definition.parameters[1].type, ParameterType::Text);
    EXPECT_EQ(definition.query, "select 1\n  from x");
    ASSERT_EQ(definition.sections.size(), 2u);
    EXPECT_EQ(definition.sections[0].name, "lines");
    EXPECT_EQ(definition.sections[0].sql, "select 2");
    EXPECT_EQ(definition.sections[1].name, "more");
    EXPECT_EQ(definition.layout, "<p>{{a}}</p>");
}

TEST(ReportDefinition, keepsCommentLikeLinesOfQueriesAndLayouts) {
    const ReportDefinition definition = parsed("[query]\n; not a comment here\n-- nor this\nselect 1\n"
                                               "[layout]\n# heading\n[not a part]\n");
    EXPECT_EQ(definition.query, "; not a comment here\n-- nor this\nselect 1");
    EXPECT_EQ(definition.layout, "# heading\n[not a part]");
}

TEST(ReportDefinition, startsWithA4PortraitAndFifteenMillimetreMargins) {
    const ReportDefinition definition = parsed("[query]\nselect 1\n[layout]\nx\n");
    const QPageLayout layout = definition.pageLayout();
    EXPECT_EQ(layout.pageSize().id(), QPageSize::A4);
    EXPECT_EQ(layout.orientation(), QPageLayout::Portrait);
    EXPECT_EQ(layout.margins(QPageLayout::Millimeter), QMarginsF(15, 15, 15, 15));
}

TEST(ReportDefinition, faultsNameTheFileAndTheLine) {
    EXPECT_EQ(parseError("[report]\ntitle = x\ncolour = red\n"), "test.rpt, line 3: unknown setting colour");
    EXPECT_EQ(parseError("select 1\n[query]\n"), "test.rpt, line 1: text before the first [part]");
    EXPECT_EQ(parseError("[query]\nselect 1\n[QUERY]\n"), "test.rpt, line 3: [query] appears twice");
    EXPECT_EQ(parseError("[section a]\nx\n[section A]\n"), "test.rpt, line 3: [section a] appears twice");
    EXPECT_EQ(parseError("[report]\npage = B7\n"), "test.rpt, line 2: unknown page size B7");
    EXPECT_EQ(parseError("[report]\norientation = sideways\n"),
              "test.rpt, line 2: orientation is portrait or landscape");
    EXPECT_EQ(parseError("[report]\nmargins = -1\n"), "test.rpt, line 2: margins must be millimetres");
    EXPECT_EQ(parseError("[parameters]\nintShopID\n"), "test.rpt, line 2: expected NAME = VALUE");
    EXPECT_EQ(parseError("[parameters]\nintShopID = integer\n"),
              "test.rpt, line 2: parameter type is text or number");
    EXPECT_EQ(parseError("[parameters]\nshop id = number\n"), "test.rpt, line 2: bad parameter name shop id");
    EXPECT_EQ(parseError("[parameters]\na = text\nA = number\n"),
              "test.rpt, line 3: parameter A declared twice");
}

TEST(ReportDefinition, isCompleteOnlyWithQueryLayoutAndDeclaredParameters) {
    EXPECT_EQ(validationError(parsed("[layout]\nx\n")), "test.rpt: no [query]");
    EXPECT_EQ(validationError(parsed("[query]\nselect 1\n")), "test.rpt: no [layout]");
    EXPECT_EQ(validationError(parsed("[query]\nselect 1\n[section a]\n[layout]\nx\n")),
              "test.rpt: [section a] is empty");
    EXPECT_EQ(validationError(parsed("[parameters]\nintShopID = number\n[query]\nselect {?intshopid}\n"
                                     "[section a]\nselect {?intUserID}\n[layout]\nx\n")),
              "test.rpt: {?intUserID} is not a declared parameter");
    EXPECT_EQ(validationError(
                  parsed("[parameters]\nintShopID = number\n[query]\nselect {?intShopID}\n[layout]\nx\n")),
              "");
}

TEST(ReportDefinition, takesDataAndLayoutFromOtherFilesOnlyWhenItHasNoneOfItsOwn) {
    ReportDefinition small = parsed("[report]\npage = A5\ndata = big.rpt\nlayout = look.rpt\n");
    const ReportDefinition big =
        parsed("[parameters]\na = text\n[query]\nselect {?a}\n[section s]\nselect 2\n"
               "[layout]\nbig\n");
    small.takeDataFrom(big, QStringLiteral("big.rpt"));
    small.takeLayoutFrom(parsed("[layout]\nlook\n"), QStringLiteral("look.rpt"));
    EXPECT_EQ(small.dataFile, "big.rpt");
    EXPECT_EQ(small.query, "select {?a}");
    ASSERT_EQ(small.parameters.size(), 1u);
    ASSERT_EQ(small.sections.size(), 1u);
    EXPECT_EQ(small.layout, "look");
    EXPECT_EQ(small.pageSize, QPageSize::A5);

    EXPECT_THROW(small.takeDataFrom(big, QStringLiteral("big.rpt")), rt::RuntimeError);
    EXPECT_THROW(small.takeLayoutFrom(big, QStringLiteral("big.rpt")), rt::RuntimeError);
    ReportDefinition fresh = parsed("[layout]\nx\n");
    EXPECT_THROW(fresh.takeDataFrom(parsed("[report]\ndata = third.rpt\n"), QStringLiteral("other.rpt")),
                 rt::RuntimeError);
    EXPECT_THROW(parsed("[query]\nq\n")
                     .takeLayoutFrom(parsed("[report]\nlayout = third.rpt\n"), QStringLiteral("other.rpt")),
                 rt::RuntimeError);
}

} // namespace
