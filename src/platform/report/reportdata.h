// What one run of a report read: the records of its query and the rows of each section.
#pragma once

#include "parameterfield.h"
#include "reportdefinition.h"

#include "platform/ado/connection.h"

#include <QHash>
#include <QString>
#include <QVariant>
#include <map>
#include <vector>

namespace report {

// The rows of one statement, fields found by name without regard to letter case.
class RowSet {
public:
    static RowSet fetch(const QString& sql, const ado::ConnectionPtr& connection);

    int size() const { return int(rows_.size()); }
    bool hasField(const QString& name) const { return positions_.contains(name.toLower()); }
    // Error 3265 for a field the statement does not return.
    QVariant value(int row, const QString& name) const;

private:
    QHash<QString, int> positions_;
    std::vector<QVariantList> rows_;
};

class ReportData {
public:
    // Runs the report's query and its sections with the parameters' current values put in place of
    // their {?NAME}. Sections are read only when there are records to print them with.
    static ReportData read(const ReportDefinition& definition, const std::vector<ParameterField>& parameters,
                           const ado::ConnectionPtr& connection);

    const RowSet& records() const { return records_; }
    // No rows for a section that was not read.
    const RowSet& section(const QString& name) const;

private:
    RowSet records_;
    std::map<QString, RowSet> sections_; // by lower-case name
};

} // namespace report
