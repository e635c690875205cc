// The ODBC driver: connection, transactions, statements, inserts and stored procedures.
#include "odbcdriver.h"

#include "odbccursor.h"
#include "odbcerror.h"
#include "odbcstatement.h"
#include "odbctarget.h"
#include "platform/ado/adoerror.h"
#include "platform/ado/quoting.h"
#include "platform/core/runtimeerror.h"

#include <QSqlError>
#include <atomic>

namespace ado::odbc {

namespace {

QString uniqueConnectionName() {
    static std::atomic<int> next{0};
    return QStringLiteral("ado-odbc-%1").arg(++next);
}

QString markers(qsizetype count) {
    return QStringList(count, QStringLiteral("?")).join(u',');
}

} // namespace

OdbcDriver::~OdbcDriver() {
    if (!connectionName_.isEmpty()) close();
}

QString OdbcDriver::name() const {
    return driverName;
}

QSqlDatabase OdbcDriver::database() const {
    if (connectionName_.isEmpty()) throw core::RuntimeError::of(core::err::ObjectClosed);
    return QSqlDatabase::database(connectionName_, false);
}

void OdbcDriver::open(const ConnectionString& target) {
    const QString connectText = odbcConnectText(target);
    QString name = uniqueConnectionName();
    {
        QSqlDatabase connection = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), name);
        connection.setDatabaseName(pluginDatabaseName(connectText));
        if (!connection.open()) {
            const QSqlError error = connection.lastError();
            connection = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            raisePluginError(error);
        }
    }
    connectionName_ = name;
}

void OdbcDriver::close() {
    QSqlDatabase connection = QSqlDatabase::database(connectionName_, false);
    // An ODBC driver refuses to disconnect inside a transaction: the work left open is undone.
    if (transactionLevel() > 0) connection.rollback();
    connection.close();
    connection = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName_);
    connectionName_.clear();
    forgetTransactions();
}

QSqlQuery OdbcDriver::run(const QString& sql, const QVariantList& values) {
    return runBound(database(), sql, values, timeout_);
}

void OdbcDriver::runSavepointStatement(const QString& sql) {
    run(sql);
}

void OdbcDriver::beginTransaction() {
    if (!database().transaction()) raiseConnectionError(database());
}

void OdbcDriver::commitTransaction() {
    if (!database().commit()) raiseConnectionError(database());
}

void OdbcDriver::rollbackTransaction() {
    if (!database().rollback()) raiseConnectionError(database());
}

long OdbcDriver::execute(const QString& sql) {
    return qMax(run(sql).numRowsAffected(), 0);
}

std::unique_ptr<Cursor> OdbcDriver::query(const QString& sql) {
    QSqlQuery ran = run(sql);
    return std::make_unique<OdbcCursor>(ran);
}

void OdbcDriver::insert(const QString& table, const QStringList& columns, const QVariantList& values) {
    QStringList names;
    for (const QString& column : columns)
        names << quotedName(column);
    const QString target = quotedName(table);
    run(names.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(target)
                        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                              .arg(target, names.join(u','), markers(values.size())),
        values);
}

void OdbcDriver::callProcedure(const QString& name, const QVariantList& parameters) {
    run(QStringLiteral("{call %1(%2)}").arg(name, markers(parameters.size())), parameters);
}

void OdbcDriver::executeNative(const QString& script) {
    runText(database(), script);
}

DriverEntry driverEntry() {
    return {QStringLiteral("odbc"),
            []() -> std::unique_ptr<Driver> { return std::make_unique<OdbcDriver>(); }};
}

} // namespace ado::odbc
