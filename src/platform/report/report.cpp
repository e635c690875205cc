// Parameters, runs and outputs of an opened report.
#include "report.h"

#include "reportdata.h"
#include "reportfailure.h"

#include "platform/os/finishedoutput.h"

#include <QFileInfo>
#include <algorithm>

namespace report {

namespace {

core::RuntimeError noSuchParameter(const QString& which) {
    return detailedFailure(core::err::SubscriptOutOfRange, QStringLiteral("report parameter ") + which);
}

} // namespace

Report::Report(const QString& fileName, const QString& path, ReportDefinition definition,
               ado::ConnectionPtr connection, ReportFunctions functions)
    : fileName_(fileName), path_(path), definition_(std::move(definition)),
      connection_(std::move(connection)), functions_(std::move(functions)), layout_(definition_.layout) {
    for (const QString& section : layout_.sectionNames()) {
        const bool defined = std::any_of(
            definition_.sections.begin(), definition_.sections.end(),
            [&](const SectionQuery& query) { return query.name.compare(section, Qt::CaseInsensitive) == 0; });
        if (!defined)
            throw failure(core::err::InvalidCall,
                          QStringLiteral("%1: the layout repeats {{#%2}}, which has no [section %2]")
                              .arg(QFileInfo(path_).fileName(), section));
    }
    for (const ParameterDeclaration& declaration : definition_.parameters)
        parameters_.emplace_back(declaration);
}

ParameterField& Report::parameterField(int position) {
    if (position < 1 || position > int(parameters_.size())) throw noSuchParameter(QString::number(position));
    return parameters_[std::size_t(position - 1)];
}

ParameterField& Report::parameterField(const QString& name) {
    for (ParameterField& parameter : parameters_)
        if (parameter.name().compare(name, Qt::CaseInsensitive) == 0) return parameter;
    throw noSuchParameter(name);
}

std::shared_ptr<const RenderedReport> Report::run(const QString& title) {
    const ReportData data = ReportData::read(definition_, parameters_, connection_);
    recordCount_ = data.records().size();
    return std::make_shared<const RenderedReport>(
        QFileInfo(path_).completeBaseName(), title.isEmpty() ? definition_.title : title,
        definition_.pageLayout(), layout_.render(data, parameters_, functions_));
}

std::unique_ptr<PreviewWindow> Report::preview(const QString& title, const WindowOptions& options) {
    std::shared_ptr<const RenderedReport> rendered = run(title);
    os::ReportRun done{fileName_, title, {}, recordCount_};
    for (const ParameterField& parameter : parameters_)
        done.parameters << parameter.recordText();
    os::FinishedOutput::reportRun(done);
    return ReportPreview::show(std::move(rendered), options);
}

} // namespace report
