// The PostgreSQL driver: a libpq connection running the statements translated for PostgreSQL.
#pragma once

#include "platform/ado/dialect/liftedliterals.h"
#include "platform/ado/nestingdriver.h"
#include "postgreslibpq.h"

#include <deque>
#include <memory>
#include <optional>
#include <vector>

namespace ado::postgres {

class InsertCache;
class PreparedStatements;
class SchemaCache;
class StatementCache;
struct QueryResult;
struct Statement;

class PostgresDriver : public NestingDriver {
public:
    PostgresDriver();
    ~PostgresDriver() override;

    QString name() const override;
    // Opens the database on the server the connection string names, as connectTo does. Sets the session's
    // time zone to this machine's; installs nothing.
    void open(const ConnectionString& target) override;
    void close() override;
    // The statement time-out: a statement running longer is cancelled; 0 waits forever. A broken line
    // takes it when it is opened again, as it takes the lock time-out.
    void setTimeout(int seconds) override;
    // The lock time-out: a statement waiting longer for another connection's lock fails; 0 waits forever.
    void setLockTimeout(int seconds) override;

    long execute(const QString& sql) override;
    // A query (select, with) runs when its first row or its count is read, through the statement its shape
    // prepared, in one round trip with the statements held; any other statement at once.
    std::unique_ptr<Cursor> query(const QString& sql) override;
    void insert(const QString& table, const QStringList& columns, const QVariantList& values) override;
    // The queries run in one round trip (a pipeline, after the statements held), each through the statement
    // its shape prepared; so does an update among them.
    QVariantList firstValues(const QStringList& queries) override;
    // As firstValues, the queries in one round trip; their rows are read once all have come back.
    void queryTogether(const QStringList& queries,
                       const std::function<void(qsizetype, Cursor&)>& read) override;
    // The queries in one round trip, their rows kept for the queries that follow in the same order.
    void readAhead(const QStringList& queries) override;
    // Rows added are then held and sent in one round trip with the next statement that is not a script.
    void holdAddedRows() override;
    // CALL name(...) inside the caller's transaction, its values written as literals: the engine picks the
    // procedure by the types of its arguments, which a literal number has and a value sent apart has not.
    void callProcedure(const QString& name, const QVariantList& parameters) override;
    void executeNative(const QString& script) override;
    // Broken when the client library found the line closed, now or at the last statement.
    bool lost() override;
    void reopen() override;
    // The dialect's functions (dialect.sql), marked with the version of the script.
    void installFunctions() override;
    bool functionsInstalled() override;
    // An advisory lock of the transaction.
    void lockSchemaChanges() override;

protected:
    // The outermost level is BEGIN/COMMIT/ROLLBACK. After a failed statement the engine refuses all but a
    // rollback: a commit then fails. The outermost BEGIN waits for the transaction's first statement and goes
    // in the same round trip; so do the savepoints' statements and COMMIT with the statements held.
    void beginTransaction() override;
    void commitTransaction() override;
    void rollbackTransaction() override;
    void runSavepointStatement(const QString& sql) override;
    void rollbackToSavepoint(const QString& name) override;
    bool transactionFailed() override;

private:
    PgConnection connection_;
    // What open opened, for reopen.
    std::optional<ConnectionString> target_;
    int timeout_ = 30;
    // Whether the session holds timeout_ for good: set outside a transaction.
    bool timeoutHeld_ = false;
    int lockTimeout_ = 15;
    std::unique_ptr<SchemaCache> schema_;
    std::unique_ptr<PreparedStatements> prepared_;
    // Queries by shape: statements differing only in lifted literals share a translation and a statement.
    std::unique_ptr<StatementCache> statements_;
    dialect::LiftedLiteralsCache lifted_;
    std::unique_ptr<InsertCache> inserts_;
    // How the engine takes a row of a table's columns: the insert, as the engine names them, with $1, $2, ...
    // for the values, and which of the values go in as dates. Kept by table and columns until the schema
    // changes: a receipt's rows are added with the same columns each time.
    struct EngineInsert {
        QString sql;
        std::vector<bool> dates;
    };
    dialect::ShapeCache<EngineInsert> engineInserts_;
    // Whether the open transaction changed the schema: rolling it back changes it again.
    bool schemaChangedInTransaction_ = false;
    std::vector<std::weak_ptr<QueryResult>> cursors_;
    // Whether the open transaction holds added rows back, and the statements held: the outermost
    // transaction's begin, and inserts.
    bool holding_ = false;
    std::vector<Statement> held_;
    // Queries read ahead, in the order they are expected, with their rows and their columns as spelled.
    struct ReadRows {
        QString sql;
        std::shared_ptr<QueryResult> result;
        QStringList names;
    };
    mutable std::deque<ReadRows> readAhead_;

    // The open connection; error 3704 when it is closed. Every statement goes through it, so what was
    // read ahead goes with it.
    PGconn* line() const;
    // Runs a script of one or more statements, after the statements held.
    PgResult run(const QString& sql);
    // The statements held, given up by the driver: sent before `statements` in one round trip, or alone
    // by sendHeld. The answers of `statements`.
    std::vector<PgResult> runAfterHeld(std::vector<Statement> statements);
    // A statement's rows, and a query's columns as it spells them.
    struct Answer {
        PgResult rows;
        std::optional<QStringList> spelled;
    };
    // The statements, in the module's dialect, in one round trip after the statements held: a query or an
    // update through the statement its shape prepared, any other as it is translated. Their answers.
    std::vector<Answer> runPipelined(const QStringList& statements);
    // An answer of runPipelined to `query`, as rows a cursor reads and the columns as the query spells them.
    ReadRows rowsOf(Answer& answer, const QString& query);
    // The cursor of `sql` when it is the next query read ahead; null, and nothing read ahead kept, when not.
    std::unique_ptr<Cursor> readAheadCursor(const QString& sql);
    void sendHeld();
    void endHolding();
    // Whether the outermost transaction's begin waits for its first statement still.
    bool beginHeld() const;
    // A statement other than a query, run when opened.
    std::unique_ptr<Cursor> runAtOnce(const QString& sql);
    // `names` as the statement spells them.
    std::unique_ptr<Cursor> openCursor(std::shared_ptr<QueryResult> result, QStringList names);
    void applyTimeout();
    void applyLockTimeout();
    QString translate(const QString& sql);
    const EngineInsert& engineInsert(const QString& table, const QStringList& columns);
    // A statement that changes tables or views makes the schema cache read them again.
    void noteSchemaChange(const QString& sql);
    // The tables and views changed: what was read or prepared of them goes.
    void forgetSchema();
};

// The registry's entry: "Driver=postgres".
DriverEntry driverEntry();

} // namespace ado::postgres
