// A recordset: rows of one statement, read forward; new rows added to a single table.
#pragma once

#include "connection.h"

#include <QHash>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace ado {

enum class CursorType { ForwardOnly = 0, Keyset = 1, Dynamic = 2, Static = 3 };
enum class LockType { ReadOnly = 1, Pessimistic = 2, Optimistic = 3, BatchOptimistic = 4 };

class Cursor;

class Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Opens the statement. Rows are fetched lazily as the recordset moves; opening
    // "select * from TABLE where ..." to add a row reads nothing of the table.
    void open(const QString& sql, const ConnectionPtr& connection, CursorType cursor = CursorType::Keyset,
              LockType lock = LockType::Optimistic);
    void close();
    bool isOpen() const;
    ObjectState state() const;

    bool eof() const;
    bool bof() const;
    void moveNext();

    int fieldCount() const;
    QString fieldName(int index) const;
    // Field of the current row, by name without regard to letter case (error 3265 for an unknown
    // name) or by position; error 3021 without a current row. The value is read where the row is held,
    // until the recordset moves on or closes.
    const QVariant& field(const QString& name) const;
    const QVariant& field(int index) const;

    // Reads the rows from the current one to the end, each as its fields' texts as core::nullAsEmpty writes
    // them: a long listing is read without a value a field. The texts hold until the next row.
    void readTexts(const std::function<void(const std::vector<QString>& texts)>& onRow);

    // Number of rows of the statement (counted on first request).
    long recordCount() const;

    // Adding a row to the single table of a "select * from TABLE ..." statement.
    void addNew();
    void setField(const QString& name, const QVariant& value);
    void update();

private:
    std::unique_ptr<Cursor> cursor_;
    ConnectionPtr connection_;
    QString sql_;
    LockType lock_ = LockType::ReadOnly;
    struct PendingRow;
    std::unique_ptr<PendingRow> pending_;
    QStringList names_;
    QHash<QString, int> positions_; // lower-case field name -> position
    // Each name a field was asked by, as it was written: a listing asks the same few names row after row.
    mutable QHash<QString, int> asked_;
    // The first row is fetched when it is first asked for, so opening reads nothing. The cursor fills
    // `row_` in place, row after row; `onRow_` says whether it holds a row.
    mutable QVariantList row_;
    mutable bool onRow_ = false;
    mutable bool positioned_ = false;
    bool moved_ = false;
    mutable std::optional<long> count_;

    void requireOpen() const;
    void ensurePositioned() const;
    int position(const QString& name) const;
    int checkedIndex(int index) const;
};

} // namespace ado
