// Running a report's statements over its data source.
#include "reportdata.h"

#include "reportfailure.h"

#include "platform/ado/recordset.h"

#include <QRegularExpression>

namespace report {

namespace {

const ParameterField& fieldNamed(const std::vector<ParameterField>& parameters, const QString& name) {
    for (const ParameterField& parameter : parameters)
        if (parameter.name().compare(name, Qt::CaseInsensitive) == 0) return parameter;
    throw failure(core::err::InvalidCall, QStringLiteral("{?%1} is not a parameter of the report").arg(name));
}

// Values go in as literals: the engine passes no statement parameters, as the module's own SQL does not.
QString bound(const QString& sql, const std::vector<ParameterField>& parameters) {
    QString result;
    qsizetype copied = 0;
    for (const QRegularExpressionMatch& marker : parameterMarker().globalMatch(sql)) {
        result += sql.mid(copied, marker.capturedStart() - copied);
        result += fieldNamed(parameters, marker.captured(1)).sqlLiteral();
        copied = marker.capturedEnd();
    }
    return result + sql.mid(copied);
}

} // namespace

RowSet RowSet::fetch(const QString& sql, const ado::ConnectionPtr& connection) {
    RowSet set;
    ado::Recordset rs;
    rs.open(sql, connection, ado::CursorType::ForwardOnly, ado::LockType::ReadOnly);
    const int fields = rs.fieldCount();
    for (int i = 0; i < fields; ++i)
        set.positions_.insert(rs.fieldName(i).toLower(), i);
    for (; !rs.eof(); rs.moveNext()) {
        QVariantList row;
        row.reserve(fields);
        for (int i = 0; i < fields; ++i)
            row << rs.field(i);
        set.rows_.push_back(std::move(row));
    }
    rs.close();
    return set;
}

QVariant RowSet::value(int row, const QString& name) const {
    const auto found = positions_.constFind(name.toLower());
    if (found == positions_.constEnd()) throw detailedFailure(core::err::ItemNotFound, name);
    return rows_.at(std::size_t(row)).at(*found);
}

ReportData ReportData::read(const ReportDefinition& definition, const std::vector<ParameterField>& parameters,
                            const ado::ConnectionPtr& connection) {
    ReportData data;
    data.records_ = RowSet::fetch(bound(definition.query, parameters), connection);
    if (data.records_.size() == 0) return data;
    for (const SectionQuery& section : definition.sections)
        data.sections_[section.name.toLower()] = RowSet::fetch(bound(section.sql, parameters), connection);
    return data;
}

const RowSet& ReportData::section(const QString& name) const {
    static const RowSet none;
    const auto found = sections_.find(name.toLower());
    return found != sections_.end() ? found->second : none;
}

} // namespace report
