// The PostgreSQL driver: connection, transactions, statements, inserts and stored procedures.
#include "postgresdriver.h"

#include "platform/ado/adoerror.h"
#include "platform/ado/dialect/liftedliterals.h"
#include "platform/ado/dialect/token.h"
#include "platform/ado/quoting.h"
#include "platform/core/runtimeerror.h"
#include "postgrescatalog.h"
#include "postgrescursor.h"
#include "postgresdialect.h"
#include "postgreserror.h"
#include "postgresinsertcache.h"
#include "postgresrewriter.h"
#include "postgresstatement.h"
#include "postgresstatementcache.h"
#include "postgresvalues.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTimeZone>
#include <atomic>

namespace ado::postgres {

namespace {

QString uniqueConnectionName() {
    static std::atomic<int> next{0};
    return QStringLiteral("ado-postgres-%1").arg(++next);
}

// How long connecting may take, and how soon a line that stopped answering is given up: keepalive probes
// after 10 s of silence, every 5 s, three unanswered; data sent and not acknowledged for 20 s. The
// connection string may say otherwise.
const std::pair<QLatin1String, QLatin1String> LineDefaults[] = {
    {QLatin1String("connect_timeout"), QLatin1String("10")},
    {QLatin1String("keepalives"), QLatin1String("1")},
    {QLatin1String("keepalives_idle"), QLatin1String("10")},
    {QLatin1String("keepalives_interval"), QLatin1String("5")},
    {QLatin1String("keepalives_count"), QLatin1String("3")},
    {QLatin1String("tcp_user_timeout"), QLatin1String("20000")}};

// An option's value as the client library reads it whatever it holds: quoted, its backslashes and quotes
// escaped (the plugin still turns a semicolon into a blank).
QString quotedOption(QString value) {
    return u'\'' + value.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'")) + u'\'';
}

// The connection string's other keys as the client library names them ("Application Name" is
// application_name), after the line's defaults it does not set.
QString connectOptions(const ConnectionString& target) {
    QStringList options;
    if (target.port.contains(u',')) options << QStringLiteral("port=") + quotedOption(target.port);
    for (const auto& [key, value] : target.options)
        options << key.toLower().replace(u' ', u'_') + u'=' + quotedOption(value);
    for (const auto& [key, value] : LineDefaults)
        if (!options.contains(QRegularExpression(u'^' + key + u'='))) options.prepend(key + u'=' + value);
    return options.join(u';');
}

// Set for the session when it opens. A session that sits in a transaction without a statement for 20 s
// (its program froze, or its line broke where the server cannot tell) is ended, and with it the locks
// it held; the server probes a silent client's line as the client probes the server's. The module's
// statements are short: compiling one (done above a plan cost that a listing over a few thousand
// documents reaches) takes longer than running it. Texts written as literals (quotes doubled) rely on
// backslashes being plain characters.
const QStringList SessionSettings = {QStringLiteral("set idle_in_transaction_session_timeout = 20000"),
                                     QStringLiteral("set tcp_keepalives_idle = 10"),
                                     QStringLiteral("set tcp_keepalives_interval = 5"),
                                     QStringLiteral("set tcp_keepalives_count = 3"),
                                     QStringLiteral("set jit = off"),
                                     QStringLiteral("set standard_conforming_strings = on")};

// The first word of a statement, in lower case.
QString firstWord(const QString& sql) {
    for (const dialect::Token& token : dialect::tokenize(sql))
        if (token.isSignificant()) return token.text.toLower();
    return {};
}

const QString beginText = QStringLiteral("begin");

// The query's shape, translated and kept when first seen.
StatementCache::Shape& shapeOf(StatementCache& statements, const dialect::Catalog& catalog,
                               const QString& sql, const dialect::LiftedLiterals& lifted) {
    return statements.shape(lifted.shape,
                            [&] { return PostgresRewriter(catalog).translate(sql, lifted.tokens); });
}

bool isQuery(const QString& sql) {
    const QString word = firstWord(sql);
    return word == QLatin1String("select") || word == QLatin1String("with");
}

// A procedure's name as written into CALL: a plain name stays unquoted, so that the engine folds its case.
QString procedureName(const QString& name) {
    static const QRegularExpression plain(
        QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*(\\.[A-Za-z_][A-Za-z0-9_]*)?$"));
    return plain.match(name).hasMatch() ? name : quotedName(name.toLower());
}

QStringList fieldNamesOf(const QSqlQuery& query) {
    const QSqlRecord record = query.record();
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    return names;
}

} // namespace

PostgresDriver::PostgresDriver() = default;

PostgresDriver::~PostgresDriver() {
    if (!connectionName_.isEmpty()) close();
}

QString PostgresDriver::name() const {
    return driverName;
}

QSqlDatabase PostgresDriver::database() const {
    if (connectionName_.isEmpty()) throw core::RuntimeError::of(core::err::ObjectClosed);
    return QSqlDatabase::database(connectionName_, false);
}

void PostgresDriver::open(const ConnectionString& target) {
    // A service of the connection service file may name the database.
    if (target.database.isEmpty() && target.option(u"Service").isEmpty())
        raiseDriverError(core::err::DbFailure, noDatabaseNamed);
    connect(target);
    try {
        QStringList settings = SessionSettings;
        const QByteArray zone = QTimeZone::systemTimeZoneId();
        if (!zone.isEmpty()) settings << QStringLiteral("set time zone ") + quoted(QString::fromUtf8(zone));
        runTogether(database(), settings);
        applyTimeout();
        applyLockTimeout();
        schema_ = std::make_unique<SchemaCache>(database());
        statements_ = std::make_unique<StatementCache>(database());
        inserts_ = std::make_unique<InsertCache>(database());
    } catch (...) {
        close();
        throw;
    }
}

void PostgresDriver::connect(const ConnectionString& target) {
    QString name = uniqueConnectionName();
    {
        QSqlDatabase connection = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        connection.setHostName(target.host);
        // A list of ports, one a host ("Host=a,b;Port=5432,5433"), goes with the options.
        bool onePort = false;
        const int port = target.port.toInt(&onePort);
        if (onePort) connection.setPort(port);
        connection.setDatabaseName(target.database);
        connection.setUserName(target.user);
        connection.setPassword(target.password);
        connection.setConnectOptions(connectOptions(target));
        if (!connection.open()) {
            QString message = connection.lastError().databaseText().trimmed();
            if (message.isEmpty()) message = connection.lastError().text();
            connection = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            raiseDriverError(core::err::DbFailure, message);
        }
        silenceNotices(connection);
    }
    connectionName_ = name;
    target_ = target;
}

bool PostgresDriver::lost() {
    return target_ && (connectionName_.isEmpty() || lineBroken(database()));
}

void PostgresDriver::reopen() {
    const ConnectionString target = *target_;
    if (!connectionName_.isEmpty()) close();
    open(target);
}

void PostgresDriver::installFunctions() {
    ensureDialect(database());
}

bool PostgresDriver::functionsInstalled() {
    return hasDialect(database());
}

void PostgresDriver::lockSchemaChanges() {
    requireTransaction();
    run(QStringLiteral("select pg_advisory_xact_lock(hashtext('receipts schema'))"));
}

void PostgresDriver::close() {
    for (auto& cursor : cursors_)
        if (auto result = cursor.lock()) {
            result->query = QSqlQuery();
            result->released = true;
        }
    cursors_.clear();
    endHolding();
    inserts_.reset();
    statements_.reset();
    schema_.reset();
    QSqlDatabase::database(connectionName_, false).close();
    QSqlDatabase::removeDatabase(connectionName_);
    connectionName_.clear();
    forgetTransactions();
    timeoutHeld_ = false;
    schemaChangedInTransaction_ = false;
}

// The entry window sets its time-out each time it opens: the same time-out is not sent again while the
// session holds it.
void PostgresDriver::setTimeout(int seconds) {
    if (seconds == timeout_ && timeoutHeld_) return;
    timeout_ = seconds;
    if (!connectionName_.isEmpty() && !lost()) applyTimeout();
}

// A setting made inside a transaction goes again with its rollback.
void PostgresDriver::applyTimeout() {
    timeoutHeld_ = false;
    run(QStringLiteral("set statement_timeout = %1").arg(qint64(qMax(timeout_, 0)) * 1000));
    timeoutHeld_ = transactionLevel() == 0;
}

void PostgresDriver::setLockTimeout(int seconds) {
    lockTimeout_ = seconds;
    if (!connectionName_.isEmpty() && !lost()) applyLockTimeout();
}

void PostgresDriver::applyLockTimeout() {
    run(QStringLiteral("set lock_timeout = %1").arg(qint64(qMax(lockTimeout_, 0)) * 1000));
}

QSqlQuery PostgresDriver::run(const QString& sql) {
    sendHeld();
    return runText(database(), sql);
}

// The outermost transaction begins with its first statement, in the same round trip.
void PostgresDriver::beginTransaction() {
    database();
    held_ << beginText;
}

bool PostgresDriver::beginHeld() const {
    return transactionLevel() == 1 && held_.value(0) == beginText;
}

bool PostgresDriver::transactionFailed() {
    return postgres::transactionFailed(database());
}

void PostgresDriver::commitTransaction() {
    runAfterHeld({QStringLiteral("commit")});
    schemaChangedInTransaction_ = false;
    endHolding();
}

void PostgresDriver::runSavepointStatement(const QString& sql) {
    runAfterHeld({sql});
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
    database();
    return PostgresRewriter(schema_->catalog()).translate(sql);
}

void PostgresDriver::noteSchemaChange(const QString& sql) {
    static const QStringList changing = {QStringLiteral("create"), QStringLiteral("alter"),
                                         QStringLiteral("drop")};
    if (changing.contains(firstWord(sql))) forgetSchema();
}

void PostgresDriver::forgetSchema() {
    schema_->invalidate();
    statements_->clear();
    inserts_->clear();
    if (transactionLevel() > 0) schemaChangedInTransaction_ = true;
}

long PostgresDriver::execute(const QString& sql) {
    QSqlQuery done = run(translate(sql));
    noteSchemaChange(sql);
    return qMax(done.numRowsAffected(), 0);
}

std::unique_ptr<Cursor> PostgresDriver::query(const QString& sql) {
    database();
    // What is held goes first: the query belongs to the transaction and may read the rows.
    sendHeld();
    const dialect::LiftedLiterals lifted = dialect::liftLiterals(sql);
    // Only queries take a shape: one the cache holds is a query.
    if (!statements_->holds(lifted.shape) && !isQuery(sql)) return runAtOnce(sql);
    StatementCache::Shape& shape = shapeOf(*statements_, schema_->catalog(), sql, lifted);
    const QString execution = statements_->execution(shape, lifted.values);
    // Statements of one shape differ in numbers only, never in names.
    if (!shape.spelled) shape.spelled = spelledAsWritten(shape.names, sql);
    return openCursor(std::make_shared<QueryResult>(QueryResult{QSqlQuery(database()), execution}),
                      *shape.spelled);
}

std::unique_ptr<Cursor> PostgresDriver::runAtOnce(const QString& sql) {
    auto result = std::make_shared<QueryResult>(QueryResult{QSqlQuery(database()), translate(sql)});
    result->query = run(result->sql);
    result->ran = true;
    noteSchemaChange(sql);
    return openCursor(result, spelledAsWritten(fieldNamesOf(result->query), sql));
}

std::unique_ptr<Cursor> PostgresDriver::openCursor(std::shared_ptr<QueryResult> result, QStringList names) {
    std::erase_if(cursors_, [](const auto& cursor) { return cursor.expired(); });
    cursors_.push_back(result);
    return std::make_unique<PostgresCursor>(std::move(result), std::move(names));
}

PostgresDriver::EngineRow PostgresDriver::engineRow(const QString& table, const QStringList& columns,
                                                    const QVariantList& values) {
    database();
    const dialect::Catalog& catalog = schema_->catalog();
    EngineRow row{quotedName(table.toLower()), {}, {}};
    for (int i = 0; i < columns.size(); ++i) {
        bool date = catalog.columnKind(table, columns[i]) == dialect::ValueKind::Date;
        row.columns << quotedName(columns[i].toLower());
        row.values << (date ? storedDate(values[i]) : boundValue(values[i]));
    }
    return row;
}

namespace {

// The insert into a table of the columns, as the engine names them, with what stands for each value.
QString statementText(const QString& table, const QStringList& columns, const QStringList& values) {
    return columns.isEmpty() ? QStringLiteral("insert into %1 default values").arg(table)
                             : QStringLiteral("insert into %1 (%2) values (%3)")
                                   .arg(table, columns.join(u','), values.join(u','));
}

} // namespace

void PostgresDriver::insert(const QString& table, const QStringList& columns, const QVariantList& values) {
    if (holding_) return void(held_ << insertText(table, columns, values));
    sendHeld();
    const EngineRow row = engineRow(table, columns, values);
    QStringList markers;
    markers.fill(QStringLiteral("?"), row.columns.size());
    inserts_->run(statementText(row.table, row.columns, markers), row.values);
}

QString PostgresDriver::insertText(const QString& table, const QStringList& columns,
                                   const QVariantList& values) {
    const EngineRow row = engineRow(table, columns, values);
    QStringList literals;
    for (const QVariant& value : row.values)
        literals << literal(value);
    return statementText(row.table, row.columns, literals);
}

void PostgresDriver::holdAddedRows() {
    requireTransaction();
    holding_ = true;
}

QVariantList PostgresDriver::runAfterHeld(const QStringList& statements) {
    QStringList together;
    together.swap(held_);
    const qsizetype held = together.size();
    return runTogether(database(), together << statements).mid(held);
}

void PostgresDriver::sendHeld() {
    if (!held_.isEmpty()) runAfterHeld({});
}

void PostgresDriver::endHolding() {
    held_.clear();
    holding_ = false;
}

QVariantList PostgresDriver::firstValues(const QStringList& queries) {
    database();
    QStringList executions;
    for (const QString& sql : queries) {
        if (!isQuery(sql)) {
            executions << translate(sql);
            continue;
        }
        const dialect::LiftedLiterals lifted = dialect::liftLiterals(sql);
        executions << statements_->execution(shapeOf(*statements_, schema_->catalog(), sql, lifted),
                                             lifted.values);
    }
    return runAfterHeld(executions);
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
