// An opened report file: its parameter fields, runs over its data source, and their outputs.
#pragma once

#include "parameterfield.h"
#include "renderedreport.h"
#include "reportdefinition.h"
#include "reportpreview.h"
#include "reporttemplate.h"

#include "platform/ado/connection.h"

#include <memory>
#include <vector>

namespace report {

class Report {
public:
    // fileName: the name the report was opened by; path: the file that was read. Error 5 when the
    // layout repeats a section the file does not define.
    Report(const QString& fileName, const QString& path, ReportDefinition definition,
           ado::ConnectionPtr connection, ReportFunctions functions);

    // The file that was read.
    const QString& path() const { return path_; }

    const std::vector<ParameterField>& parameterFields() const { return parameters_; }
    // By position from 1; error 9 outside the report's parameters.
    ParameterField& parameterField(int position);
    // By name, letter case ignored; error 9 for a name the report does not have.
    ParameterField& parameterField(const QString& name);

    // One run with the current values, laid out under the title (the file's own when empty).
    // Error 5 for a parameter without a current value; the data source's errors as they come.
    std::shared_ptr<const RenderedReport> run(const QString& title = QString());
    // The records of the last run; 0 before the first.
    long recordCount() const { return recordCount_; }
    // Runs the report, tells FinishedOutput of the run and shows it in a preview under the title.
    std::unique_ptr<PreviewWindow> preview(const QString& title, const WindowOptions& options);

private:
    QString fileName_;
    QString path_;
    ReportDefinition definition_;
    ado::ConnectionPtr connection_;
    ReportFunctions functions_;
    ReportTemplate layout_;
    std::vector<ParameterField> parameters_;
    long recordCount_ = 0;
};

} // namespace report
