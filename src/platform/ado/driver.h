// The engine interface each database driver implements; the connection and recordset sit on it.
#pragma once

#include "connectionstring.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <functional>
#include <memory>
#include <vector>

namespace ado {

// Rows of one query, fetched on demand.
class Cursor {
public:
    virtual ~Cursor() = default;
    virtual QStringList fieldNames() const = 0;
    // Moves to the next row and puts its values into `row`, one a field, over those of the row before:
    // a recordset reads its rows through one list rather than a new one a row. False at the end, `row`
    // then left as it was.
    virtual bool fetch(QVariantList& row) = 0;
    // Moves to the next row and writes its fields into `texts`, one a field, as core::nullAsEmpty writes
    // their values, over the texts of the row before: a long listing is read without a value a field. A
    // driver that knows its engine's values writes them straight; this one reads them through fetch().
    virtual bool fetchTexts(std::vector<QString>& texts);
    // Number of rows of the whole query.
    virtual long count() = 0;

private:
    QVariantList textsRow_;
};

// The values' texts as core::nullAsEmpty writes them, over `texts`.
void writeTexts(const QVariantList& values, std::vector<QString>& texts);

class Driver {
public:
    virtual ~Driver() = default;
    virtual QString name() const = 0;
    // Opens what the connection string names; each driver takes the keys it needs and refuses the
    // string when one is missing.
    virtual void open(const ConnectionString& target) = 0;
    virtual void close() = 0;
    virtual void setTimeout(int seconds) = 0;
    // How long a statement waits for a lock another connection holds before failing with DbTimeout.
    virtual void setLockTimeout(int seconds) = 0;

    // The module's transactions nest: a commit makes work durable only at the outermost level; a rollback
    // undoes its level, inner levels committed in it included. Either outside any transaction is error
    // NoTransaction.
    virtual void begin() = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;
    virtual int transactionLevel() const = 0;

    // Statement text in the module's dialect; the driver translates it for its engine.
    virtual long execute(const QString& sql) = 0;
    virtual std::unique_ptr<Cursor> query(const QString& sql) = 0;
    // Inserts one row into a table; its values are bound, held back or not (holdAddedRows): never spliced
    // into the text as they come.
    virtual void insert(const QString& table, const QStringList& columns, const QVariantList& values) = 0;
    // The first field of the first row of each statement, null for one without rows (a statement other than
    // a query runs for its effect); a driver may hand the statements to its engine at once. For sums and
    // counts: a number comes back as a number.
    virtual QVariantList firstValues(const QStringList& queries);
    // Runs the queries and hands each one's rows to `read` with its place in `queries`, in their order. A
    // driver may hand them to its engine at once: then a refused query fails them all before any is read.
    virtual void queryTogether(const QStringList& queries,
                               const std::function<void(qsizetype, Cursor&)>& read);
    // Outside a transaction, a driver may read the queries' rows at once and answer the next queries from
    // them while they come in this order, each exactly as written; any other statement drops what is left.
    // A failure drops them all: each query then runs, and fails, at its own turn.
    virtual void readAhead(const QStringList& queries) {}
    // Inside a transaction: until it ends, a driver may hold the rows added back and send them with its
    // next statement, at the latest with the commit; a row the engine refuses then fails that statement.
    // A rollback drops the rows held.
    virtual void holdAddedRows() {}
    virtual void callProcedure(const QString& name, const QVariantList& parameters) = 0;
    // Runs a script in the engine's own language, untranslated (schema and data set-up).
    virtual void executeNative(const QString& script) = 0;

    // Whether the line to the engine broke (the server ended the session or restarted, the network failed):
    // the driver serves again only after reopen. An embedded engine's line does not break.
    virtual bool lost() { return false; }
    // Opens again what open opened, after the line broke; a transaction that was open went with it.
    virtual void reopen() {}
    // What the engine keeps in the database for the translated statements (functions), installed or
    // brought up to date by the database's owner; an engine that keeps nothing there has nothing to do.
    virtual void installFunctions() {}
    virtual bool functionsInstalled() { return true; }
    // Held to the end of the open transaction: another connection's schema changes wait for it.
    virtual void lockSchemaChanges() {}
};

// A driver as the registry knows it: the "Driver=" name it answers to and how to make one.
struct DriverEntry {
    QString name;
    std::unique_ptr<Driver> (*create)();
};

// The registry: the drivers of the backends this build carries, one entry each. Generated by the build
// from the enabled backends, so that no driver depends on the linker keeping an unreferenced object.
const std::vector<DriverEntry>& enabledDrivers();

// Creates the driver the connection string names, its "Driver=" name read without regard to letter
// case; sqlite when it names none. Error 3706 when no enabled driver has that name.
std::unique_ptr<Driver> createDriver(const ConnectionString& target);

} // namespace ado
