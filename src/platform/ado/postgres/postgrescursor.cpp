// Running a query on demand, reading its rows and naming its fields as the statement does.
#include "postgrescursor.h"

#include "platform/ado/dialect/token.h"
#include "platform/core/asciitext.h"
#include "platform/core/conversions.h"
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
    LastTimestamp& last = lastTimestamps_[size_t(column)];
    if (last.text != text)
        last = {text.toByteArray(), readValue(kind, text.data(), int(text.size())), QString()};
    return last.value;
}

bool PostgresCursor::fetchTexts(std::vector<QString>& texts) {
    const PGresult* rows = ran();
    if (names_.isEmpty() || next_ >= PQntuples(rows)) return false;
    texts.resize(size_t(names_.size()));
    for (int column = 0; column < names_.size(); ++column)
        shownTextAt(rows, column, texts[size_t(column)]);
    ++next_;
    return true;
}

void PostgresCursor::shownTextAt(const PGresult* rows, int column, QString& text) {
    const ColumnKind kind = kinds_[size_t(column)];
    const bool null = PQgetisnull(rows, next_, column);
    const bool plain =
        kind == ColumnKind::Text || kind == ColumnKind::Integer || kind == ColumnKind::BigInteger;
    const QByteArrayView written(PQgetvalue(rows, next_, column), PQgetlength(rows, next_, column));
    if (plain && !null && core::assignAscii(text, written)) return;
    // A numeric is written as its digits: most are shown as they are written.
    if (kind == ColumnKind::Decimal && !null) {
        if (std::optional<QString> shown =
                core::numberText(std::string_view(written.data(), written.size()))) {
            text = std::move(*shown);
            return;
        }
    }
    const QVariant value = valueAt(rows, column);
    if (kind != ColumnKind::Timestamp || null) {
        text = core::nullAsEmpty(value);
        return;
    }
    LastTimestamp& last = lastTimestamps_[size_t(column)];
    if (last.shown.isNull()) last.shown = core::nullAsEmpty(value);
    text = last.shown;
}

long PostgresCursor::count() {
    const PGresult* rows = ran();
    return names_.isEmpty() ? 0 : PQntuples(rows);
}

} // namespace ado::postgres
