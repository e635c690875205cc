// Lazy stepping of an SQLite query and counting of its rows.
#include "sqlitecursor.h"

#include "platform/core/runtimeerror.h"
#include "sqlitestatement.h"

namespace ado::sqlite {

SqliteCursor::SqliteCursor(sqlite3* db, std::shared_ptr<Statement> statement, const QString& sql,
                           const QVariantList& values)
    : db_(db), statement_(std::move(statement)), sql_(sql), values_(values) {
    for (int column = 0; column < statement_->columnCount(); ++column) {
        names_ << statement_->columnName(column);
        dateColumns_.push_back(statement_->isDateColumn(column));
    }
    lastDates_.resize(dateColumns_.size());
    // A statement without result columns has already run; stepping it again would run it again.
    finished_ = names_.isEmpty();
}

SqliteCursor::~SqliteCursor() {
    if (!statement_->isFinalized()) statement_->reset();
}

bool SqliteCursor::fetch(QVariantList& row) {
    if (finished_) return false;
    if (!statement_->step()) {
        finished_ = true;
        return false;
    }
    row.resize(names_.size());
    QVariant* values = row.data();
    for (int column = 0; column < names_.size(); ++column)
        values[column] = statement_->value(column, dateColumns_[size_t(column)], &lastDates_[size_t(column)]);
    return true;
}

bool SqliteCursor::fetchTexts(std::vector<QString>& texts) {
    if (finished_ || !statement_->step()) {
        finished_ = true;
        return false;
    }
    texts.resize(size_t(names_.size()));
    for (size_t column = 0; column < texts.size(); ++column)
        statement_->shownText(int(column), dateColumns_[column], &lastDates_[column], texts[column]);
    return true;
}

long SqliteCursor::count() {
    if (statement_->isFinalized()) throw core::RuntimeError::of(core::err::ObjectClosed);
    if (names_.isEmpty()) return 0;
    QByteArray utf8 = sql_.toUtf8();
    const char* tail = utf8.constData();
    Statement counting(db_, tail, tail + utf8.size());
    for (int i = 0; i < values_.size(); ++i)
        counting.bind(i + 1, values_[i]);
    long rows = 0;
    while (counting.step())
        ++rows;
    return rows;
}

} // namespace ado::sqlite
