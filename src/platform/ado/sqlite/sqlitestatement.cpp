// Preparing, binding, stepping and reading SQLite statements.
#include "sqlitestatement.h"

#include "platform/ado/dialect/datetext.h"
#include "platform/core/asciitext.h"
#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"
#include "sqliteerror.h"

#include <QDateTime>
#include <charconv>
#include <iterator>
#include <sqlite3.h>

namespace ado::sqlite {

namespace {

// The value of a date text as the module sees it: a local date and time. A time the clocks skip (the
// hour lost when summer time starts) is no local moment; it keeps its stored reading rather than
// becoming no date at all.
QDateTime localDateTime(const QDateTime& wallClock) {
    const QDateTime local(wallClock.date(), wallClock.time());
    return local.isValid() ? local : QDateTime(wallClock.date(), wallClock.time(), Qt::UTC);
}

QByteArrayView utf8OfColumn(sqlite3_stmt* stmt, int column) {
    auto text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return QByteArrayView(text, sqlite3_column_bytes(stmt, column));
}

QVariant textValue(const QString& text, bool dateColumn) {
    if (dateColumn) {
        if (auto date = dialect::parseDateText(text)) return localDateTime(*date);
    } else if (dialect::isCanonicalDateText(text)) {
        return localDateTime(*dialect::parseDateText(text));
    }
    return text;
}

// A date repeated from the column's last one is not read again: the value depends on the text alone.
QVariant textValue(QByteArrayView utf8, bool dateColumn, Statement::LastDate* last) {
    if (last && !last->text.isNull() && utf8 == last->text) return last->value;
    QVariant value = textValue(QString::fromUtf8(utf8), dateColumn);
    if (last && value.typeId() == QMetaType::QDateTime) *last = {utf8.toByteArray(), value, QString()};
    return value;
}

void bindText(sqlite3_stmt* stmt, int index, const QString& text) {
    QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

} // namespace

Statement::Statement(sqlite3* db, const char*& tail, const char* end) : db_(db) {
    const char* next = nullptr;
    int rc = sqlite3_prepare_v2(db, tail, int(end - tail), &stmt_, &next);
    if (rc != SQLITE_OK) raiseEngineError(db, rc, Stage::Prepare);
    tail = next;
}

Statement::~Statement() {
    finalize();
}

void Statement::finalize() {
    sqlite3_finalize(stmt_);
    stmt_ = nullptr;
    finalized_ = true;
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Statement::parameterCount() const {
    return sqlite3_bind_parameter_count(stmt_);
}

void Statement::bind(int index, const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::UnknownType:
    case QMetaType::Nullptr:
        sqlite3_bind_null(stmt_, index);
        break;
    case QMetaType::Bool:
        sqlite3_bind_int(stmt_, index, value.toBool() ? 1 : 0);
        break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong:
        sqlite3_bind_int64(stmt_, index, value.toLongLong());
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        sqlite3_bind_double(stmt_, index, value.toDouble());
        break;
    case QMetaType::QByteArray: {
        QByteArray bytes = value.toByteArray();
        sqlite3_bind_blob(stmt_, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
        break;
    }
    case QMetaType::QDate:
        bindText(stmt_, index, dialect::canonicalDateText(value.toDate(), QTime(0, 0)));
        break;
    case QMetaType::QDateTime:
        bindText(stmt_, index, dialect::canonicalDateText(value.toDateTime()));
        break;
    default:
        bindText(stmt_, index, value.toString());
    }
}

bool Statement::step() {
    if (finalized_) throw core::RuntimeError::of(core::err::ObjectClosed);
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    raiseEngineError(db_, rc, Stage::Run);
}

int Statement::columnCount() const {
    return sqlite3_column_count(stmt_);
}

QString Statement::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(stmt_, column));
}

bool Statement::isDateColumn(int column) const {
    const char* declared = sqlite3_column_decltype(stmt_, column);
    return declared && qstricmp(declared, "DATETEXT") == 0;
}

QVariant Statement::value(int column, bool dateColumn, LastDate* last) const {
    switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_NULL:
        return QVariant();
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(stmt_, column)));
    case SQLITE_FLOAT:
        return sqlite3_column_double(stmt_, column);
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt_, column)),
                          sqlite3_column_bytes(stmt_, column));
    default:
        return textValue(utf8OfColumn(stmt_, column), dateColumn, last);
    }
}

void Statement::shownText(int column, bool dateColumn, LastDate* last, QString& text) const {
    switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_NULL:
        text.truncate(0);
        return;
    case SQLITE_INTEGER: {
        char digits[24];
        const auto written =
            std::to_chars(std::begin(digits), std::end(digits), sqlite3_column_int64(stmt_, column));
        core::assignAscii(text, QByteArrayView(digits, written.ptr - digits));
        return;
    }
    case SQLITE_TEXT: {
        const QByteArrayView utf8 = utf8OfColumn(stmt_, column);
        const bool repeatedDate = last && !last->text.isNull() && utf8 == last->text;
        if (!dateColumn && !repeatedDate && core::assignAscii(text, utf8) &&
            !dialect::isCanonicalDateText(text))
            return;
        break;
    }
    default:
        break;
    }
    const QVariant shown = value(column, dateColumn, last);
    if (!last || shown.typeId() != QMetaType::QDateTime) {
        text = core::nullAsEmpty(shown);
        return;
    }
    if (last->shown.isNull()) last->shown = core::nullAsEmpty(shown);
    text = last->shown;
}

long runScript(sqlite3* db, const QString& script, const std::function<void(Statement&)>& bind) {
    QByteArray utf8 = script.toUtf8();
    const char* tail = utf8.constData();
    const char* end = tail + utf8.size();
    long changed = 0;
    while (tail < end) {
        Statement statement(db, tail, end);
        if (statement.isEmpty()) break;
        if (bind) bind(statement);
        sqlite3_int64 before = sqlite3_total_changes64(db);
        while (statement.step()) {
        }
        if (sqlite3_total_changes64(db) != before) changed = long(sqlite3_changes64(db));
    }
    return changed;
}

} // namespace ado::sqlite
