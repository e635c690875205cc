// The engine interface each database driver implements; the connection and recordset sit on it.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <memory>
#include <optional>

namespace ado {

// Rows of one query, fetched on demand.
class Cursor {
public:
    virtual ~Cursor() = default;
    virtual QStringList fieldNames() const = 0;
    // The next row, or nothing at the end.
    virtual std::optional<QVariantList> fetch() = 0;
    // Number of rows of the whole query.
    virtual long count() = 0;
};

class Driver {
public:
    virtual ~Driver() = default;
    virtual QString name() const = 0;
    virtual void open(const QString& database) = 0;
    virtual void close() = 0;
    virtual void setTimeout(int seconds) = 0;

    virtual void begin() = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;
    virtual int transactionLevel() const = 0;

    // Statement text in the module's dialect; the driver translates it for its engine.
    virtual long execute(const QString& sql) = 0;
    virtual std::unique_ptr<Cursor> query(const QString& sql) = 0;
    // Inserts one row into a table; the values are bound, never spliced into the text.
    virtual void insert(const QString& table, const QStringList& columns, const QVariantList& values) = 0;
    virtual void callProcedure(const QString& name, const QVariantList& parameters) = 0;
    // Runs a script in the engine's own language, untranslated (schema and data set-up).
    virtual void executeNative(const QString& script) = 0;
};

// Creates the driver for a connection string's "Driver=" part (sqlite by default).
std::unique_ptr<Driver> createDriver(const QString& driverName);

} // namespace ado
