// Running a query on demand, reading its rows and naming its fields as the statement does.
#include "postgrescursor.h"

#include "platform/ado/dialect/token.h"
#include "platform/ado/qtsqlvalue.h"
#include "platform/core/runtimeerror.h"
#include "postgreserror.h"
#include "postgresstatement.h"
#include "postgresvalues.h"

#include <QHash>
#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>

namespace ado::postgres {

namespace {

// The first spelling of each name the statement writes (a word or a quoted name), by its lower case.
QHash<QString, QString> spellings(const QString& sql) {
    QHash<QString, QString> names;
    for (const dialect::Token& token : dialect::tokenize(sql)) {
        if (token.kind != dialect::TokenKind::Word && token.kind != dialect::TokenKind::QuotedName) continue;
        const QString key = token.value().toLower();
        if (!names.contains(key)) names.insert(key, token.value());
    }
    return names;
}

} // namespace

QStringList spelledAsWritten(const QStringList& names, const QString& sql) {
    const QHash<QString, QString> spelled = spellings(sql);
    QStringList written;
    for (const QString& name : names)
        written << spelled.value(name.toLower(), name);
    return written;
}

PostgresCursor::PostgresCursor(std::shared_ptr<QueryResult> result, QStringList names)
    : result_(std::move(result)), names_(std::move(names)) {
    if (result_->ran) noteDateColumns();
}

void PostgresCursor::noteDateColumns() {
    const QSqlRecord record = result_->query.record();
    for (int column = 0; column < record.count(); ++column)
        dateColumns_.push_back(record.field(column).metaType().id() == QMetaType::QDateTime);
}

QSqlQuery& PostgresCursor::ran() {
    if (result_->released) throw core::RuntimeError::of(core::err::ObjectClosed);
    QSqlQuery& query = result_->query;
    if (result_->ran) return query;
    query.setForwardOnly(false);
    if (!query.exec(result_->sql)) raiseFailure(query.driver(), query.lastError());
    result_->ran = true;
    noteDateColumns();
    return query;
}

bool PostgresCursor::fetch(QVariantList& row) {
    QSqlQuery& query = ran();
    if (names_.isEmpty() || !query.next()) return false;
    row.resize(names_.size());
    QVariant* values = row.data();
    for (int column = 0; column < names_.size(); ++column)
        values[column] = dateColumns_[size_t(column)] ? dateValue(sentText(query, column))
                                                      : moduleValue(query.value(column));
    return true;
}

long PostgresCursor::count() {
    QSqlQuery& query = ran();
    return names_.isEmpty() ? 0 : query.size();
}

} // namespace ado::postgres
