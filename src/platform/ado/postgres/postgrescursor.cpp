// Running a query on demand, reading its rows and naming its fields as the statement does.
#include "postgrescursor.h"

#include "platform/ado/dialect/token.h"
#include "platform/core/runtimeerror.h"

#include <QHash>

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
    : result_(std::move(result)), names_(std::move(names)) {}

const PGresult* PostgresCursor::ran() {
    if (result_->released) throw core::RuntimeError::of(core::err::ObjectClosed);
    if (result_->run) {
        result_->rows = result_->run();
        result_->run = nullptr;
    }
    const PGresult* rows = result_->rows.get();
    if (kinds_.empty()) {
        for (int column = 0; column < PQnfields(rows); ++column)
            kinds_.push_back(columnKind(PQftype(rows, column)));
        lastTimestamps_.resize(kinds_.size());
    }
    return rows;
}

bool PostgresCursor::fetch(QVariantList& row) {
    const PGresult* rows = ran();
    if (names_.isEmpty() || next_ >= PQntuples(rows)) return false;
    row.resize(names_.size());
    QVariant* values = row.data();
    for (int column = 0; column < names_.size(); ++column)
        values[column] = valueAt(rows, column);
    ++next_;
    return true;
}

QVariant PostgresCursor::valueAt(const PGresult* rows, int column) {
    if (PQgetisnull(rows, next_, column)) return {};
    const ColumnKind kind = kinds_[size_t(column)];
    const QByteArrayView text(PQgetvalue(rows, next_, column), PQgetlength(rows, next_, column));
    if (kind != ColumnKind::Timestamp) return readValue(kind, text.data(), int(text.size()));
    auto& [lastText, lastValue] = lastTimestamps_[size_t(column)];
    if (lastText != text) {
        lastValue = readValue(kind, text.data(), int(text.size()));
        lastText = text.toByteArray();
    }
    return lastValue;
}

long PostgresCursor::count() {
    const PGresult* rows = ran();
    return names_.isEmpty() ? 0 : PQntuples(rows);
}

} // namespace ado::postgres
