// The layout of a report: HTML with fields, parameters and repeating sections, parsed once.
#pragma once

#include "parameterfield.h"
#include "reportdata.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <map>
#include <vector>

namespace report {

// A function a layout applies to a value, as {{FIELD|NAME}}; names are matched in lower case.
using ReportFunction = std::function<QString(const QVariant& value)>;
using ReportFunctions = std::map<QString, ReportFunction>;

class ReportTemplate {
public:
    // Error 5 for a marker without its "}}", an empty name, or a section closed out of order or
    // left open.
    explicit ReportTemplate(const QString& layout);

    // The sections the layout repeats, for checking against the report file.
    QStringList sectionNames() const;

    // The HTML of one run. A field comes from the row of the innermost section that returns it,
    // else from the first record (empty when there is none). A format is a function's name or a
    // number or date format ("0.00", "dd/mm/yyyy"); null prints as nothing. Values are escaped.
    QString render(const ReportData& data, const std::vector<ParameterField>& parameters,
                   const ReportFunctions& functions) const;

private:
    struct Node {
        enum class Kind { Text, Field, Parameter, Section } kind;
        QString name; // the literal text for Text
        QString format;
        std::vector<Node> children;
    };
    class Parser;
    class Renderer;

    std::vector<Node> nodes_;
};

} // namespace report
