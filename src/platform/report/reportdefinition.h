// A report file of ours: title, page, parameters, the queries and the layout.
#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <vector>

class QRegularExpression;

namespace report {

// Where a query names a parameter: {?NAME}, the name captured.
const QRegularExpression& parameterMarker();

enum class ParameterType { Text, Number };

struct ParameterDeclaration {
    QString name;
    ParameterType type = ParameterType::Text;
};

struct SectionQuery {
    QString name;
    QString sql;
};

// The parsed text of a report file:
//
//   [report]        title = TEXT, page = A4|A5|A3|Letter|Legal, orientation = portrait|landscape,
//                   margins = MILLIMETRES, data = FILE (parameters and queries taken from FILE),
//                   layout = FILE (the layout taken from FILE)
//   [parameters]    one "NAME = text|number" a line, in position order
//   [query]         the report's records: SQL in the module's dialect, {?NAME} standing for a parameter
//   [section NAME]  the rows of a repeating part of the layout, under the same rules
//   [layout]        HTML with {{FIELD}}, {{FIELD|FORMAT}}, {{?PARAMETER}} and {{#NAME}}...{{/NAME}}
//
// Lines starting with ';' or '#' are comments in [report] and [parameters]; SQL and HTML are kept
// as written.
struct ReportDefinition {
    QString title;
    QPageSize::PageSizeId pageSize = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    double marginMillimetres = 15;
    QString dataFile;
    QString layoutFile;
    std::vector<ParameterDeclaration> parameters;
    QString query;
    std::vector<SectionQuery> sections;
    QString layout;

    // Error 5 naming the file and line for text that is not a report.
    static ReportDefinition parse(const QString& text, const QString& fileName);

    // Takes the parameters and queries of the file named by `data`, the layout of the one named by
    // `layout`. Error 5 when the report has its own, or the other takes them from a third file.
    void takeDataFrom(const ReportDefinition& other, const QString& otherName);
    void takeLayoutFrom(const ReportDefinition& other, const QString& otherName);
    // Error 5 when the query or the layout is missing, or a query names an undeclared parameter.
    void validate(const QString& fileName) const;

    QPageLayout pageLayout() const;
    const ParameterDeclaration* parameter(const QString& name) const;
};

} // namespace report
