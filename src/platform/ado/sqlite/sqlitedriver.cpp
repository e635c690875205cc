// The SQLite driver: connection, transactions, statements, inserts and stored procedures.
#include "sqlitedriver.h"

#include "platform/ado/adoerror.h"
#include "platform/ado/dialect/datetext.h"
#include "platform/ado/dialect/liftedliterals.h"
#include "platform/ado/quoting.h"
#include "platform/core/runtimeerror.h"
#include "sqlitecatalog.h"
#include "sqlitecursor.h"
#include "sqliteerror.h"
#include "sqlitefunctions.h"
#include "sqliterewriter.h"
#include "sqlitestatement.h"
#include "sqlitestatementcache.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <atomic>
#include <chrono>
#include <climits>
#include <sqlite3.h>
#include <sys/stat.h>
#include <thread>

namespace ado::sqlite {

namespace {

const QString proceduresTable = QStringLiteral("dbprocedures");

QString uniqueConnectionName() {
    static std::atomic<int> next{0};
    return QStringLiteral("ado-sqlite-%1").arg(++next);
}

sqlite3* engineHandle(const QSqlDatabase& database) {
    QVariant handle = database.driver()->handle();
    return *static_cast<sqlite3* const*>(handle.constData());
}

// Whether a result column is named after an expression holding a lifted literal, now a parameter.
bool namesParameter(const Statement& statement) {
    for (int column = 0; column < statement.columnCount(); ++column)
        if (statement.columnName(column).contains(u'?')) return true;
    return false;
}

// A mistyped path must not become a new, empty shop database: a file is made only when the connection
// string asks for it ("Create=yes").
bool createsFile(const ConnectionString& target) {
    return target.option(u"Create").compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0;
}

// The device and inode of the file the path names; none when it names none.
std::optional<std::pair<quint64, quint64>> fileAt(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) return std::nullopt;
    return std::pair<quint64, quint64>(status.st_dev, status.st_ino);
}

} // namespace

SqliteDriver::SqliteDriver() = default;

SqliteDriver::~SqliteDriver() {
    if (db_) close();
}

QString SqliteDriver::name() const {
    return driverName;
}

void SqliteDriver::open(const ConnectionString& target) {
    if (target.database.isEmpty()) raiseDriverError(core::err::DbFailure, noDatabaseNamed);
    if (target.database != QLatin1String(":memory:") && !createsFile(target) &&
        !QFileInfo::exists(target.database))
        raiseDriverError(core::err::DbFailure,
                         QStringLiteral("The database file %1 does not exist.").arg(target.database));
    QString name = uniqueConnectionName();
    {
        QSqlDatabase connection = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        connection.setDatabaseName(target.database);
        if (connection.open()) {
            db_ = engineHandle(connection);
        } else {
            QString message = connection.lastError().text();
            connection = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            raiseDriverError(core::err::DbFailure, message);
        }
    }
    connectionName_ = name;
    path_ = target.database;
    file_ = target.database == QLatin1String(":memory:") ? std::nullopt : fileAt(target.database);
    try {
        registerDialect(db_);
        applyLockTimeout();
        runScript(db_, QStringLiteral("pragma foreign_keys = on"));
        schema_ = std::make_unique<SchemaCache>(db_);
        statements_ = std::make_unique<StatementCache>(db_);
    } catch (...) {
        close();
        throw;
    }
}

void SqliteDriver::close() {
    if (statements_) statements_->finalizeAll();
    statements_.reset();
    schema_.reset();
    QSqlDatabase::database(connectionName_, false).close();
    QSqlDatabase::removeDatabase(connectionName_);
    db_ = nullptr;
    forgetTransactions();
}

bool SqliteDriver::lost() {
    return file_ && fileAt(path_) != file_;
}

void SqliteDriver::reopen() {
    close();
    ConnectionString again;
    again.database = path_;
    open(again);
}

void SqliteDriver::setLockTimeout(int seconds) {
    lockTimeout_ = seconds;
    if (db_) applyLockTimeout();
}

void SqliteDriver::applyLockTimeout() {
    sqlite3_busy_handler(db_, &SqliteDriver::waitForLock, this);
}

// Another counter holds the lock for a save, a few milliseconds: the waiting statement looks again after 50
// microseconds, then less often, half a millisecond apart at most, so that the lock passes to a waiting
// counter soon after it is released. The engine's own waits grow to a tenth of a second, and counters that
// all press OK at once then spend most of their time asleep beside a free lock (8 counters saved 88 receipts
// a second with them, 150 so). It gives up after the lock time-out (0: never).
int SqliteDriver::waitForLock(void* driver, int attempt) {
    using namespace std::chrono;
    constexpr microseconds FirstPause{50}, LongestPause{500};
    auto& self = *static_cast<SqliteDriver*>(driver);
    const auto now = steady_clock::now();
    if (attempt == 0) self.waitingSince_ = now;
    if (self.lockTimeout_ > 0 && now - self.waitingSince_ >= seconds(self.lockTimeout_)) return 0;
    std::this_thread::sleep_for(std::min(FirstPause * (1 << std::min(attempt, 5)), LongestPause));
    return 1;
}

sqlite3* SqliteDriver::requireOpen() const {
    if (!db_) throw core::RuntimeError::of(core::err::ObjectClosed);
    return db_;
}

void SqliteDriver::beginTransaction() {
    runScript(requireOpen(), QStringLiteral("begin immediate"));
}

void SqliteDriver::commitTransaction() {
    runScript(requireOpen(), QStringLiteral("commit"));
}

void SqliteDriver::runSavepointStatement(const QString& sql) {
    runScript(requireOpen(), sql);
}

bool SqliteDriver::engineRolledBack() const {
    return sqlite3_get_autocommit(requireOpen()) != 0;
}

bool SqliteDriver::transactionFailed() {
    return engineRolledBack();
}

void SqliteDriver::rollbackTransaction() {
    undo(QStringLiteral("rollback"));
}

void SqliteDriver::rollbackToSavepoint(const QString& name) {
    undo(QStringLiteral("rollback to savepoint %1; release savepoint %1").arg(name));
}

// What was read of a schema the rollback undoes goes: the earlier schema is back under a version number that
// a later one may then take again. The engine's own rollback undid it unseen.
void SqliteDriver::undo(const QString& script) {
    const bool undone = engineRolledBack();
    const int before = schema_->schemaVersion();
    if (!undone) runScript(db_, script);
    if (undone || schema_->schemaVersion() != before) {
        schema_->forget();
        statements_->clear();
    }
}

QString SqliteDriver::translate(const QString& sql) {
    requireOpen();
    return SqliteRewriter(schema_->catalog()).translate(sql);
}

long SqliteDriver::execute(const QString& sql) {
    QString translated = translate(sql);
    return runScript(db_, translated);
}

// The catalogue of the schema as it stands; the shapes translated on another one go.
const dialect::Catalog& SqliteDriver::currentCatalog() {
    const dialect::Catalog& catalog = schema_->catalog();
    if (schema_->version() != statementsVersion_) {
        statements_->clear();
        statementsVersion_ = schema_->version();
    }
    return catalog;
}

std::unique_ptr<Cursor> SqliteDriver::query(const QString& sql) {
    requireOpen();
    const dialect::Catalog& catalog = currentCatalog();
    dialect::LiftedLiterals lifted = lifted_.of(sql);
    StatementCache::Shape& shape = statements_->shape(
        lifted.shape, [&] { return SqliteRewriter(catalog).translate(sql, lifted.tokens); });
    std::shared_ptr<Statement> statement = statements_->statementOf(shape);
    if (!lifted.values.isEmpty() && shape.lifts && namesParameter(*statement)) {
        shape.lifts = false;
        shape.statement.reset();
    }
    if (!shape.lifts) {
        QString translated = SqliteRewriter(catalog).translate(sql);
        return openCursor(translated, statements_->prepare(translated), {});
    }
    for (int i = 0; i < lifted.values.size(); ++i)
        statement->bind(i + 1, lifted.values[i]);
    return openCursor(shape.translated, statement, lifted.values);
}

std::unique_ptr<Cursor> SqliteDriver::openCursor(const QString& translated,
                                                 std::shared_ptr<Statement> statement,
                                                 const QVariantList& values) {
    if (statement->columnCount() == 0)
        while (statement->step()) {
        }
    return std::make_unique<SqliteCursor>(db_, statement, translated, values);
}

QVariant SqliteDriver::storedValue(const QString& table, const QString& column, const QVariant& value) {
    bool dateColumn = schema_->catalog().columnKind(table, column) == dialect::ValueKind::Date;
    if (!dateColumn || value.typeId() != QMetaType::QString) return value;
    if (auto stored = dialect::storedDateText(value.toString())) return *stored;
    raiseDriverError(core::err::DbFailure, QLatin1String(dialect::notADateText));
}

void SqliteDriver::insert(const QString& table, const QStringList& columns, const QVariantList& values) {
    requireOpen();
    const dialect::Catalog& catalog = schema_->catalog();
    if (!catalog.hasTable(table)) raiseDriverError(core::err::DbStatementRejected, "no such table: " + table);
    QStringList names, markers;
    for (const QString& column : columns) {
        QString name = catalog.columnName(table, column);
        if (name.isEmpty())
            raiseDriverError(core::err::DbStatementRejected,
                             QStringLiteral("table %1 has no column named %2").arg(table, column));
        names << quotedName(name);
        markers << QStringLiteral("?%1").arg(markers.size() + 1);
    }
    QString sql = names.isEmpty() ? QStringLiteral("insert into %1 default values").arg(quotedName(table))
                                  : QStringLiteral("insert into %1 (%2) values (%3)")
                                        .arg(quotedName(table), names.join(u','), markers.join(u','));
    runScript(db_, sql, [&](Statement& statement) {
        for (int i = 0; i < columns.size(); ++i)
            statement.bind(i + 1, storedValue(table, columns[i], values[i]));
    });
}

QString SqliteDriver::procedureBody(const QString& name) {
    if (schema_->catalog().hasTable(proceduresTable)) {
        auto statement =
            statements_->prepare(QStringLiteral("select body from dbprocedures where name = ?1"));
        statement->bind(1, name);
        if (statement->step()) return statement->value(0, false).toString();
    }
    raiseDriverError(core::err::DbStatementRejected,
                     QStringLiteral("Could not find stored procedure '%1'.").arg(name));
}

void SqliteDriver::callProcedure(const QString& name, const QVariantList& parameters) {
    requireOpen();
    runScript(db_, procedureBody(name), [&](Statement& statement) {
        int count = std::min(statement.parameterCount(), int(parameters.size()));
        for (int i = 0; i < count; ++i)
            statement.bind(i + 1, parameters[i]);
    });
}

void SqliteDriver::executeNative(const QString& script) {
    requireOpen();
    runScript(db_, script);
}

DriverEntry driverEntry() {
    return {QStringLiteral("sqlite"),
            []() -> std::unique_ptr<Driver> { return std::make_unique<SqliteDriver>(); }};
}

} // namespace ado::sqlite
