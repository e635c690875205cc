// A database connection: open on a connection string, transactions, statement execution.
#pragma once

#include "platform/core/runtimeerror.h"
#include "quoting.h" // how the module puts its texts into the statements it runs here

#include <QElapsedTimer>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>

namespace ado {

class Cursor;
class Driver;
class Connection;
using ConnectionPtr = std::shared_ptr<Connection>;

enum class ObjectState { Closed = 0, Open = 1 };

class Connection : public std::enable_shared_from_this<Connection> {
public:
    // A new, unopened connection.
    static ConnectionPtr create();
    ~Connection();

    // Opens what the connection string names through the driver its "Driver=" key names:
    // "Driver=sqlite;Database=PATH", a bare path (an SQLite file), or a server's host, database and
    // user. Fails with a driver error when the database cannot be opened.
    void open(const QString& connectionString);
    void close();
    bool isOpen() const;
    ObjectState state() const;
    const QString& connectionString() const { return connectionString_; }

    // How long a statement may run on a server; SQLite runs each statement to its end.
    int commandTimeout() const { return commandTimeout_; }
    void setCommandTimeout(int seconds);
    // How long a statement waits for a lock another connection holds: a counter waiting on another
    // program gives up after this wait and says that the database is busy, however long its statements
    // may run.
    int lockTimeout() const { return lockTimeout_; }
    void setLockTimeout(int seconds);

    // Transactions nest as on the server: only the outermost commit makes the work durable.
    void beginTrans();
    void commitTrans();
    void rollbackTrans();
    int transactionLevel() const;

    // Runs a statement written in the module's dialect; returns the number of rows it changed.
    long execute(const QString& sql);
    // The first field of each statement's first row (null without rows: a statement other than a query
    // runs for its effect), the statements sent together where the engine allows: for sums and counts,
    // numbers come back as numbers.
    QVariantList firstValues(const QStringList& queries);
    // Each query's rows handed to `read` with its place in `queries`, the queries sent together where the
    // engine allows: a refused query may fail them all before any is read.
    void queryTogether(const QStringList& queries, const std::function<void(qsizetype, Cursor&)>& read);
    // Look-ups that come next, one after another, read in one round trip where the engine allows: each
    // query then gives the rows it had at that moment, and fails, if it does, at its own turn. Nothing is
    // read ahead inside a transaction.
    void readAhead(const QStringList& queries);
    // Until the open transaction ends, rows added may go to a server with the next statement instead of
    // one round trip each; a refused row fails that statement, at the latest the commit. Error
    // -2147168242 outside a transaction.
    void holdAddedRows();

    // Whether the line to the server broke; outside a transaction the next statement opens it again.
    bool lost() const;
    // Opens the line again when it broke, trying a few times over some seconds; the failure says that
    // the server cannot be reached and why. Nothing to do when it serves.
    void reopenIfLost();
    // Made before the first try to open a broken line again and released after the last: what shows the
    // user that the program waits meanwhile (the hourglass).
    void setWaitingSign(std::function<std::shared_ptr<void>()> sign) { waitingSign_ = std::move(sign); }

    // The engine behind the connection; error 3704 when the connection is not open.
    Driver& driver() const;
    // The engine for the next statement: outside a transaction its line is opened again first when it
    // broke. Error 3704 when the connection is not open.
    Driver& engine();
    // Puts a driver in front of the engine's, which `wrap` receives and passes the work on to (the
    // tests' fault hook); error 3704 when the connection is not open.
    void wrapDriver(const std::function<std::unique_ptr<Driver>(std::unique_ptr<Driver>)>& wrap);

private:
    Connection() = default;
    std::unique_ptr<Driver> driver_;
    QString connectionString_;
    int commandTimeout_ = 30;
    int lockTimeout_ = 15;
    std::function<std::shared_ptr<void>()> waitingSign_;
    // The failure of the last reopening, and since when.
    std::optional<core::RuntimeError> unreachable_;
    QElapsedTimer sinceUnreachable_;
};

} // namespace ado
