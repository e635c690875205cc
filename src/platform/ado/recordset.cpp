// Recordsets: lazy forward reading of a statement's rows and rows added to a single table.
#include "recordset.h"

#include "adoerror.h"
#include "driver.h"
#include "platform/ado/dialect/selectall.h"

namespace ado {

// A row being added: the values set so far, by field position; after Update it stays current.
struct Recordset::PendingRow {
    QString table;
    QVariantList values;
    std::vector<bool> set;
    bool saved = false;
};

Recordset::Recordset() = default;
Recordset::~Recordset() = default;

void Recordset::open(const QString& sql, const ConnectionPtr& connection, CursorType, LockType lock) {
    if (isOpen()) throw adoError(err::ObjectOpen);
    if (!connection || !connection->isOpen()) throw adoError(err::ConnectionUnusable);
    std::unique_ptr<Cursor> cursor = connection->engine().query(sql);
    names_ = cursor->fieldNames();
    positions_.clear();
    asked_.clear();
    for (int i = names_.size() - 1; i >= 0; --i)
        positions_.insert(names_[i].toLower(), i);
    cursor_ = std::move(cursor);
    connection_ = connection;
    sql_ = sql;
    lock_ = lock;
    pending_.reset();
    row_.clear();
    onRow_ = positioned_ = moved_ = false;
    count_.reset();
}

void Recordset::close() {
    requireOpen();
    cursor_.reset();
    connection_.reset();
    pending_.reset();
    row_.clear();
    onRow_ = false;
    names_.clear();
    positions_.clear();
    asked_.clear();
}

bool Recordset::isOpen() const {
    return cursor_ && connection_->isOpen();
}

ObjectState Recordset::state() const {
    return isOpen() ? ObjectState::Open : ObjectState::Closed;
}

void Recordset::requireOpen() const {
    if (!isOpen()) throw core::RuntimeError::of(core::err::ObjectClosed);
}

void Recordset::ensurePositioned() const {
    if (positioned_) return;
    onRow_ = cursor_->fetch(row_);
    positioned_ = true;
}

bool Recordset::eof() const {
    requireOpen();
    if (pending_) return false;
    ensurePositioned();
    return !onRow_;
}

bool Recordset::bof() const {
    return !moved_ && eof();
}

void Recordset::moveNext() {
    requireOpen();
    if (pending_) {
        // An added row is the last one: moving on from it reaches the end.
        pending_.reset();
        onRow_ = false;
        positioned_ = moved_ = true;
        return;
    }
    if (eof()) throw core::RuntimeError::of(core::err::NoCurrentRecord);
    onRow_ = cursor_->fetch(row_);
    moved_ = true;
}

int Recordset::fieldCount() const {
    requireOpen();
    return int(names_.size());
}

int Recordset::checkedIndex(int index) const {
    requireOpen();
    if (index < 0 || index >= names_.size()) throw core::RuntimeError::of(core::err::ItemNotFound);
    return index;
}

int Recordset::position(const QString& name) const {
    requireOpen();
    if (const auto asked = asked_.constFind(name); asked != asked_.constEnd()) return *asked;
    auto found = positions_.constFind(name.toLower());
    if (found == positions_.constEnd()) throw core::RuntimeError::of(core::err::ItemNotFound);
    asked_.insert(name, *found);
    return *found;
}

QString Recordset::fieldName(int index) const {
    return names_[checkedIndex(index)];
}

const QVariant& Recordset::field(const QString& name) const {
    return field(position(name));
}

const QVariant& Recordset::field(int index) const {
    checkedIndex(index);
    if (pending_) return pending_->values[index];
    if (eof()) throw core::RuntimeError::of(core::err::NoCurrentRecord);
    return row_.at(index);
}

void Recordset::readTexts(const std::function<void(const std::vector<QString>& texts)>& onRow) {
    std::vector<QString> texts(static_cast<size_t>(fieldCount()));
    if (!eof()) {
        writeTexts(pending_ ? pending_->values : row_, texts);
        onRow(texts);
        while (cursor_->fetchTexts(texts))
            onRow(texts);
    }
    onRow_ = false;
    moved_ = true;
}

long Recordset::recordCount() const {
    requireOpen();
    if (!count_) count_ = cursor_->count();
    return *count_;
}

void Recordset::addNew() {
    requireOpen();
    std::optional<QString> table = dialect::tableOfSelectAll(sql_);
    if (lock_ == LockType::ReadOnly || !table) throw adoError(err::NotUpdatable);
    pending_ = std::make_unique<PendingRow>();
    pending_->table = *table;
    pending_->values = QVariantList(names_.size());
    pending_->set.assign(size_t(names_.size()), false);
}

void Recordset::setField(const QString& name, const QVariant& value) {
    int index = position(name);
    if (!pending_ || pending_->saved) throw adoError(err::NotUpdatable);
    pending_->values[index] = value;
    pending_->set[size_t(index)] = true;
}

void Recordset::update() {
    requireOpen();
    if (!pending_ || pending_->saved) return;
    QStringList columns;
    QVariantList values;
    for (int i = 0; i < names_.size(); ++i) {
        if (!pending_->set[size_t(i)]) continue;
        columns << names_[i];
        values << pending_->values[i];
    }
    connection_->engine().insert(pending_->table, columns, values);
    pending_->saved = true;
}

} // namespace ado
