// What the translation knows of a database's tables: their columns and the kind of value each holds.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace ado::dialect {

enum class ValueKind { Unknown, Text, Number, Date };

// Tables and columns, looked up without regard to letter case.
class Catalog {
public:
    void addColumn(const QString& table, const QString& column, ValueKind kind);
    void clear();

    bool hasTable(const QString& table) const;
    // The table's own spelling of a column, empty when it has none of that name.
    QString columnName(const QString& table, const QString& column) const;
    ValueKind columnKind(const QString& table, const QString& column) const;
    // The kind of a column of one of the given tables, or of any table when none of them has it;
    // Unknown when the column is unknown or its kind differs between the tables that have it.
    ValueKind columnKind(const QStringList& tables, const QString& column) const;

private:
    struct Column {
        QString name;
        ValueKind kind;
    };
    using Columns = QHash<QString, Column>;
    QHash<QString, Columns> tables_;
    QHash<QString, ValueKind> anyTable_; // a column name's kind over all tables
    const Column* find(const QString& table, const QString& column) const;
};

} // namespace ado::dialect
