// The PostgreSQL driver: connection, transactions, statements, inserts and stored procedures.
#include "postgresdriver.h"

#include "platform/ado/adoerror.h"
#include "platform/ado/dialect/liftedliterals.h"
#include "platform/ado/dialect/token.h"
#include "platform/ado/quoting.h"
#include "platform/core/runtimeerror.h"
#include "postgrescatalog.h"
#include "postgresconnect.h"
#include "postgrescursor.h"
#include "postgresdialect.h"
#include "postgreserror.h"
#include "postgresinsertcache.h"
#include "postgresprepared.h"
#include "postgresrewriter.h"
#include "postgresstatement.h"
#include "postgresstatementcache.h"
#include "postgresvalues.h"

#include <QRegularExpression>
#include <QTimeZone>
#include <algorithm>

namespace ado::postgres {

namespace {

// Set for the session when it opens. A session that sits in a transaction without a statement for 20 s
// (its program froze, or its line broke where the server cannot tell) is ended, and with it the locks
// it held; the server probes a silent client's line as the client probes the server's. The module's
// statements are short: compiling one (done above a plan cost that a listing over a few thousand
// documents reaches) takes longer than running it. For the same reason a prepared statement is planned once
// for every run, not again for each run's values: they are the numbers lifted from the statement, ids and
// flags whose values do not change the best plan, and planning a listing of the suite's view of open
// documents takes longer than running it. Texts written as literals (quotes doubled) rely on backslashes
// being plain characters; timestamps are read in the ISO form.
const QStringList SessionSettings = {QStringLiteral("set idle_in_transaction_session_timeout = 20000"),
                                     QStringLiteral("set tcp_keepalives_idle = 10"),
                                     QStringLiteral("set tcp_keepalives_interval = 5"),
                                     QStringLiteral("set tcp_keepalives_count = 3"),
                                     QStringLiteral("set jit = off"),
                                     QStringLiteral("set plan_cache_mode = force_generic_plan"),
                                     QStringLiteral("set standard_conforming_strings = on"),
                                     QStringLiteral("set datestyle = iso")};

const QByteArray beginText = "begin";

// A statement of one text, without values.
Statement textStatement(const QString& sql) {
    return {sql.toUtf8(), {}, {}, {}};
}

// The query's shape, translated and kept when first seen.
StatementCache::Shape& shapeOf(StatementCache& statements, const dialect::Catalog& catalog,
                               const QString& sql, const dialect::LiftedLiterals& lifted) {
    return statements.shape(lifted.shape,
                            [&] { return PostgresRewriter(catalog).translate(sql, lifted.tokens); });
}

// A query's run through the statement its shape prepared, and its columns as the query spells them.
struct ShapedQuery {
    Statement execution;
    QStringList spelled;
};

ShapedQuery shapedQuery(StatementCache& statements, const dialect::Catalog& catalog, const QString& sql,
                        const dialect::LiftedLiterals& lifted) {
    StatementCache::Shape& shape = shapeOf(statements, catalog, sql, lifted);
    Statement execution = statements.execution(shape, lifted.values);
    // Statements of one shape differ in lifted literals only, never in names.
    if (!shape.spelled) shape.spelled = spelledAsWritten(shape.names, sql);
    return {std::move(execution), *shape.spelled};
}

bool isQueryWord(const QString& firstWord) {
    return firstWord == QLatin1String("select") || firstWord == QLatin1String("with");
}

bool isQuery(const QString& sql) {
    return isQueryWord(dialect::firstWord(sql));
}

// Queries run through the statement their shape prepared; so do the updates sent together with queries,
// such as the saving lock's, which a counter sends again and again with the same text: prepared once, they
// take no parsing and planning of the engine while the lock is held.
bool takesShapeInPipeline(const QString& sql) {
    const QString word = dialect::firstWord(sql);
    return isQueryWord(word) || word == QLatin1String("update");
}

// A procedure's name as written into CALL: a plain name stays unquoted, so that the engine folds its case.
QString procedureName(const QString& name) {
    static const QRegularExpression plain(
        QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*(\\.[A-Za-z_][A-Za-z0-9_]*)?$"));
    return plain.match(name).hasMatch() ? name : quotedName(name.toLower());
}

} // namespace

PostgresDriver::PostgresDriver() = default;

PostgresDriver::~PostgresDriver() {
    if (connection_) close();
}

QString PostgresDriver::name() const {
    return driverName;
}

PGconn* PostgresDriver::line() const {
    readAhead_.clear();
    if (!connection_) throw core::RuntimeError::of(core::err::ObjectClosed);
    return connection_.get();
}

void PostgresDriver::open(const ConnectionString& target) {
    // A service of the connection service file may name the database.
    if (target.database.isEmpty() && target.option(u"Service").isEmpty())
        raiseDriverError(core::err::DbFailure, noDatabaseNamed);
    connection_ = connectTo(target);
    target_ = target;
    try {
        std::vector<Statement> settings;
        for (const QString& setting : SessionSettings)
            settings.push_back(textStatement(setting));
        const QByteArray zone = QTimeZone::systemTimeZoneId();
        if (!zone.isEmpty())
            settings.push_back(
                textStatement(QStringLiteral("set time zone ") + quoted(QString::fromUtf8(zone))));
        runTogether(line(), settings);
        applyTimeout();
        applyLockTimeout();
        schema_ = std::make_unique<SchemaCache>(line());
        prepared_ = std::make_unique<PreparedStatements>(line());
        statements_ = std::make_unique<StatementCache>(*prepared_);
        inserts_ = std::make_unique<InsertCache>(*prepared_);
    } catch (...) {
        close();
        throw;
    }
}

bool PostgresDriver::lost() {
    return target_ && (!connection_ || lineBroken(connection_.get()));
}

void PostgresDriver::reopen() {
    const ConnectionString target = *target_;
    if (connection_) close();
    open(target);
}

void PostgresDriver::installFunctions() {
    ensureDialect(line());
}

bool PostgresDriver::functionsInstalled() {
    return hasDialect(line());
}

void PostgresDriver::lockSchemaChanges() {
    requireTransaction();
    run(QStringLiteral("select pg_advisory_xact_lock(hashtext('receipts schema'))"));
}

void PostgresDriver::close() {
    for (auto& cursor : cursors_)
        if (auto result = cursor.lock()) {
            result->run = nullptr;
            result->rows.reset();
            result->released = true;
        }
    cursors_.clear();
    readAhead_.clear();
    endHolding();
    inserts_.reset();
    engineInserts_.clear();
    statements_.reset();
    prepared_.reset();
    schema_.reset();
    connection_.reset();
    forgetTransactions();
    timeoutHeld_ = false;
    schemaChangedInTransaction_ = false;
}

// The entry window sets its time-out each time it opens: the same time-out is not sent again while the
// session holds it.
void PostgresDriver::setTimeout(int seconds) {
    if (seconds == timeout_ && timeoutHeld_) return;
    timeout_ = seconds;
    if (connection_ && !lost()) applyTimeout();
}

// A setting made inside a transaction goes again with its rollback.
void PostgresDriver::applyTimeout() {
    timeoutHeld_ = false;
    run(QStringLiteral("set statement_timeout = %1").arg(qint64(qMax(timeout_, 0)) * 1000));
    timeoutHeld_ = transactionLevel() == 0;
}

void PostgresDriver::setLockTimeout(int seconds) {
    lockTimeout_ = seconds;
    if (connection_ && !lost()) applyLockTimeout();
}

void PostgresDriver::applyLockTimeout() {
    run(QStringLiteral("set lock_timeout = %1").arg(qint64(qMax(lockTimeout_, 0)) * 1000));
}

PgResult PostgresDriver::run(const QString& sql) {
    sendHeld();
    return runText(line(), sql);
}

// The outermost transaction begins with its first statement, in the same round trip.
void PostgresDriver::beginTransaction() {
    line();
    held_.push_back({beginText, {}, {}, {}});
}

bool PostgresDriver::beginHeld() const {
    return transactionLevel() == 1 && !held_.empty() && held_.front().text == beginText;
}

bool PostgresDriver::transactionFailed() {
    return postgres::transactionFailed(line());
}

void PostgresDriver::commitTransaction() {
    runAfterHeld({textStatement(QStringLiteral("commit"))});
    schemaChangedInTransaction_ = false;
    endHolding();
}

void PostgresDriver::runSavepointStatement(const QString& sql) {
    runAfterHeld({textStatement(sql)});
}

// The server gave up the transaction with the line: the levels only unwind. A transaction that sent nothing
// has nothing to roll back.
void PostgresDriver::rollbackTransaction() {
    const bool begun = !lost() && !beginHeld();
    held_.clear();
    if (begun) run(QStringLiteral("rollback"));
    if (schemaChangedInTransaction_) forgetSchema();
    schemaChangedInTransaction_ = false;
    endHolding();
}

// Rolling back to the savepoint also ends the failed state a statement after it left. The rows held were
// added after the savepoint: beginning it sent those before.
void PostgresDriver::rollbackToSavepoint(const QString& name) {
    held_.clear();
    if (lost()) return;
    run(QStringLiteral("rollback to savepoint %1; release savepoint %1").arg(name));
    if (schemaChangedInTransaction_) forgetSchema();
}

QString PostgresDriver::translate(const QString& sql) {
    line();
    return PostgresRewriter(schema_->catalog()).translate(sql);
}

void PostgresDriver::noteSchemaChange(const QString& sql) {
    static const QStringList changing = {QStringLiteral("create"), QStringLiteral("alter"),
                                         QStringLiteral("drop")};
    if (changing.contains(dialect::firstWord(sql))) forgetSchema();
}

void PostgresDriver::forgetSchema() {
    schema_->invalidate();
    statements_->clear();
    inserts_->clear();
    engineInserts_.clear();
    if (transactionLevel() > 0) schemaChangedInTransaction_ = true;
}

long PostgresDriver::execute(const QString& sql) {
    const PgResult done = run(translate(sql));
    noteSchemaChange(sql);
    return qMax(QByteArray(PQcmdTuples(done.get())).toLong(), 0L);
}

std::unique_ptr<Cursor> PostgresDriver::query(const QString& sql) {
    if (auto cursor = readAheadCursor(sql)) return cursor;
    line();
    if (!isQuery(sql)) return runAtOnce(sql);
    const dialect::LiftedLiterals lifted = lifted_.of(sql);
    ShapedQuery query = shapedQuery(*statements_, schema_->catalog(), sql, lifted);
    auto result = std::make_shared<QueryResult>();
    // What is held then goes first: the query belongs to the transaction and may read the rows.
    result->run = [this, execution = std::move(query.execution)] {
        return std::move(runAfterHeld({execution}).front());
    };
    return openCursor(std::move(result), std::move(query.spelled));
}

std::unique_ptr<Cursor> PostgresDriver::runAtOnce(const QString& sql) {
    auto result = std::make_shared<QueryResult>();
    result->rows = run(translate(sql));
    noteSchemaChange(sql);
    QStringList names = spelledAsWritten(columnNames(result->rows.get()), sql);
    return openCursor(std::move(result), std::move(names));
}

std::unique_ptr<Cursor> PostgresDriver::openCursor(std::shared_ptr<QueryResult> result, QStringList names) {
    std::erase_if(cursors_, [](const auto& cursor) { return cursor.expired(); });
    cursors_.push_back(result);
    return std::make_unique<PostgresCursor>(std::move(result), std::move(names));
}

namespace {

// The insert into a table of the columns, as the engine names them, with what stands for each value.
QString statementText(const QString& table, const QStringList& columns, const QStringList& values) {
    return columns.isEmpty() ? QStringLiteral("insert into %1 default values").arg(table)
                             : QStringLiteral("insert into %1 (%2) values (%3)")
                                   .arg(table, columns.join(u','), values.join(u','));
}

// $1, $2, ... for `count` values.
QStringList parameterMarkers(qsizetype count) {
    QStringList markers;
    for (qsizetype i = 1; i <= count; ++i)
        markers << u'$' + QString::number(i);
    return markers;
}

} // namespace

const PostgresDriver::EngineInsert& PostgresDriver::engineInsert(const QString& table,
                                                                 const QStringList& columns) {
    line();
    return engineInserts_.shape(table + u'\n' + columns.join(u'\n'), [&] {
        const dialect::Catalog& catalog = schema_->catalog();
        EngineInsert insert;
        QStringList names;
        for (const QString& column : columns) {
            names << quotedName(column.toLower());
            insert.dates.push_back(catalog.columnKind(table, column) == dialect::ValueKind::Date);
        }
        insert.sql = statementText(quotedName(table.toLower()), names, parameterMarkers(columns.size()));
        return insert;
    });
}

// A row held goes through its prepared insert as well: only the first row of its columns and types on the
// connection costs a round trip of its own, to prepare the insert.
void PostgresDriver::insert(const QString& table, const QStringList& columns, const QVariantList& values) {
    const EngineInsert& engine = engineInsert(table, columns);
    QVariantList taken;
    for (size_t i = 0; i < engine.dates.size(); ++i)
        taken << (engine.dates[i] ? storedDate(values[qsizetype(i)]) : boundValue(values[qsizetype(i)]));
    Statement insert = inserts_->prepared(engine.sql, taken);
    if (holding_) return held_.push_back(std::move(insert));
    runAfterHeld({std::move(insert)});
}

void PostgresDriver::holdAddedRows() {
    requireTransaction();
    holding_ = true;
}

std::vector<PgResult> PostgresDriver::runAfterHeld(std::vector<Statement> statements) {
    PGconn* connection = line();
    std::vector<Statement> together;
    together.swap(held_);
    const auto held = std::ptrdiff_t(together.size());
    together.insert(together.end(), std::make_move_iterator(statements.begin()),
                    std::make_move_iterator(statements.end()));
    std::vector<PgResult> answers = runTogether(connection, together);
    answers.erase(answers.begin(), answers.begin() + held);
    return answers;
}

void PostgresDriver::sendHeld() {
    if (!held_.empty()) runAfterHeld({});
}

void PostgresDriver::endHolding() {
    held_.clear();
    holding_ = false;
}

std::vector<PostgresDriver::Answer> PostgresDriver::runPipelined(const QStringList& statements) {
    line();
    std::vector<Statement> executions;
    std::vector<Answer> answers(size_t(statements.size()));
    for (qsizetype i = 0; i < statements.size(); ++i) {
        const QString& sql = statements[i];
        if (!takesShapeInPipeline(sql)) {
            executions.push_back(textStatement(translate(sql)));
            continue;
        }
        ShapedQuery query = shapedQuery(*statements_, schema_->catalog(), sql, lifted_.of(sql));
        executions.push_back(std::move(query.execution));
        answers[size_t(i)].spelled = std::move(query.spelled);
    }
    std::vector<PgResult> rows = runAfterHeld(std::move(executions));
    for (size_t i = 0; i < answers.size(); ++i)
        answers[i].rows = std::move(rows[i]);
    return answers;
}

QVariantList PostgresDriver::firstValues(const QStringList& queries) {
    QVariantList values;
    for (const Answer& answer : runPipelined(queries))
        values << firstValue(answer.rows.get());
    return values;
}

PostgresDriver::ReadRows PostgresDriver::rowsOf(Answer& answer, const QString& query) {
    auto result = std::make_shared<QueryResult>();
    result->rows = std::move(answer.rows);
    QStringList names = answer.spelled ? std::move(*answer.spelled)
                                       : spelledAsWritten(columnNames(result->rows.get()), query);
    return {query, std::move(result), std::move(names)};
}

void PostgresDriver::queryTogether(const QStringList& queries,
                                   const std::function<void(qsizetype, Cursor&)>& read) {
    std::vector<Answer> answers = runPipelined(queries);
    for (qsizetype i = 0; i < queries.size(); ++i) {
        ReadRows rows = rowsOf(answers[size_t(i)], queries[i]);
        read(i, *openCursor(std::move(rows.result), std::move(rows.names)));
    }
}

void PostgresDriver::readAhead(const QStringList& queries) {
    if (!std::all_of(queries.cbegin(), queries.cend(), isQuery)) return;
    std::vector<Answer> answers;
    try {
        answers = runPipelined(queries);
    } catch (const core::RuntimeError&) {
        return;
    }
    for (qsizetype i = 0; i < queries.size(); ++i)
        readAhead_.push_back(rowsOf(answers[size_t(i)], queries[i]));
}

std::unique_ptr<Cursor> PostgresDriver::readAheadCursor(const QString& sql) {
    if (readAhead_.empty() || readAhead_.front().sql != sql) {
        readAhead_.clear();
        return nullptr;
    }
    ReadRows rows = std::move(readAhead_.front());
    readAhead_.pop_front();
    return openCursor(std::move(rows.result), std::move(rows.names));
}

void PostgresDriver::callProcedure(const QString& name, const QVariantList& parameters) {
    QStringList values;
    for (const QVariant& parameter : parameters)
        values << literal(parameter);
    run(QStringLiteral("CALL %1(%2)").arg(procedureName(name), values.join(QStringLiteral(", "))));
}

void PostgresDriver::executeNative(const QString& script) {
    run(script);
    if (schema_) forgetSchema();
}

DriverEntry driverEntry() {
    return {QStringLiteral("postgres"),
            []() -> std::unique_ptr<Driver> { return std::make_unique<PostgresDriver>(); }};
}

} // namespace ado::postgres
