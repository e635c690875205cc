// A prepared SQLite statement: binding values, stepping rows and reading them as the module's values.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <functional>

struct sqlite3;
struct sqlite3_stmt;

namespace ado::sqlite {

class Statement {
public:
    // Prepares the statement starting at `tail` (UTF-8 up to `end`) and moves `tail` past it. Leaves
    // the statement empty when only blanks and comments remain.
    Statement(sqlite3* db, const char*& tail, const char* end);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool isEmpty() const { return stmt_ == nullptr; }
    bool isFinalized() const { return finalized_; }
    // Releases the engine's statement; the connection it belongs to is closing.
    void finalize();

    // Back to before its first step, its values unbound: ready to run again.
    void reset();

    int parameterCount() const;
    // Binds a value to a parameter (from 1): dates in the canonical text form, booleans as 1 and 0.
    void bind(int index, const QVariant& value);
    // Moves to the next row; false at the end.
    bool step();

    int columnCount() const;
    QString columnName(int column) const;
    // Whether the column is declared DATETEXT (through a view or subquery too).
    bool isDateColumn(int column) const;
    // The last date text a column gave and its value, kept by whoever reads the column row after row:
    // rows in date order repeat their dates, and reading a date in local time costs more than the row.
    struct LastDate {
        QByteArray text;
        QVariant value;
        QString shown; // the value's text, once asked for
    };
    // The column of the current row: null as an invalid QVariant, integers as qint64, reals as
    // double, date texts as QDateTime (local time), other texts as QString, blobs as QByteArray.
    QVariant value(int column, bool dateColumn, LastDate* last = nullptr) const;
    // The text of that value as core::nullAsEmpty writes it, into `text`, whose storage serves again: a
    // number or a plain text is written without a value made of it.
    void shownText(int column, bool dateColumn, LastDate* last, QString& text) const;

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    bool finalized_ = false;
};

// Runs every statement of a script in turn, each bound by `bind` first; returns the number of
// rows the last statement that changed rows changed.
long runScript(sqlite3* db, const QString& script, const std::function<void(Statement&)>& bind = {});

} // namespace ado::sqlite
