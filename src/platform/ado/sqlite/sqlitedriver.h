// The SQLite driver: a QtSql QSQLITE connection whose engine handle runs the translated statements.
#pragma once

#include "platform/ado/dialect/liftedliterals.h"
#include "platform/ado/nestingdriver.h"

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

struct sqlite3;

namespace ado::dialect {
class Catalog;
}

namespace ado::sqlite {

class Statement;
class SchemaCache;
class StatementCache;

class SqliteDriver : public NestingDriver {
public:
    SqliteDriver();
    ~SqliteDriver() override;

    QString name() const override;
    // Opens the database file the connection string names, which must exist unless "Create=yes" asks to
    // make it; ":memory:" is a private in-memory database. Every other key is left unread.
    void open(const ConnectionString& target) override;
    void close() override;
    // SQLite has no statement time-out: a statement runs to its end.
    void setTimeout(int) override {}
    // The busy timeout: how long a statement waits for another connection's lock; 0 waits forever.
    void setLockTimeout(int seconds) override;

    long execute(const QString& sql) override;
    // A statement without result columns (an update opened as a recordset) runs at once.
    std::unique_ptr<Cursor> query(const QString& sql) override;
    void insert(const QString& table, const QStringList& columns, const QVariantList& values) override;
    // Runs the body stored in dbprocedures(name, body): its statements in turn on this connection,
    // each with the parameters bound as ?1, ?2, ...
    void callProcedure(const QString& name, const QVariantList& parameters) override;
    void executeNative(const QString& script) override;
    // Broken when its path no longer names the file it opened: the file was replaced, or its folder went.
    bool lost() override;
    // The file the path names now; one that is not there is not made.
    void reopen() override;

protected:
    // The outermost level is BEGIN IMMEDIATE/COMMIT/ROLLBACK. When an error made the engine roll everything
    // back, rollbacks just count down and commits fail.
    // The module's transactions all write: taking the write lock at BEGIN lets the busy timeout wait
    // for it. A transaction that read first would meet another connection's write lock at its first
    // write, where the engine does not wait (the two could wait on each other) but fails at once.
    void beginTransaction() override;
    void commitTransaction() override;
    void rollbackTransaction() override;
    void runSavepointStatement(const QString& sql) override;
    void rollbackToSavepoint(const QString& name) override;
    bool transactionFailed() override;

private:
    QString connectionName_;
    // The file opened, and which file it was (device and inode); none for a database in memory.
    QString path_;
    std::optional<std::pair<quint64, quint64>> file_;
    sqlite3* db_ = nullptr;
    int lockTimeout_ = 15;
    // When the statement waiting for another connection's lock began to wait.
    std::chrono::steady_clock::time_point waitingSince_;
    std::unique_ptr<SchemaCache> schema_;
    // Queries by shape: statements differing only in lifted literals share a translation and a statement.
    std::unique_ptr<StatementCache> statements_;
    int statementsVersion_ = -1;
    dialect::LiftedLiteralsCache lifted_;

    sqlite3* requireOpen() const;
    QString translate(const QString& sql);
    const dialect::Catalog& currentCatalog();
    std::unique_ptr<Cursor> openCursor(const QString& translated, std::shared_ptr<Statement> statement,
                                       const QVariantList& values);
    void applyLockTimeout();
    static int waitForLock(void* driver, int attempt);
    QString procedureBody(const QString& name);
    QVariant storedValue(const QString& table, const QString& column, const QVariant& value);
    // Whether an error made the engine end the transaction on its own (the level still counts it).
    bool engineRolledBack() const;
    // Runs a rollback unless the engine already rolled everything back.
    void undo(const QString& script);
};

// The registry's entry: "Driver=sqlite", the driver of a connection string that names none.
DriverEntry driverEntry();

} // namespace ado::sqlite
