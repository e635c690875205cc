// The ODBC driver: a QtSql QODBC connection running the statements as the module writes them.
#pragma once

#include "platform/ado/nestingdriver.h"

class QSqlDatabase;
class QSqlQuery;

namespace ado::odbc {

class OdbcDriver : public NestingDriver {
public:
    OdbcDriver() = default;
    ~OdbcDriver() override;

    QString name() const override;
    // Opens the data source "DSN=" names, or what the ODBC driver "Odbc Driver=" names reaches with
    // Server, Port, Database, User and Password; every other key goes to the ODBC driver as written.
    void open(const ConnectionString& target) override;
    void close() override;
    // The time-out of each statement run after it; 0 waits forever.
    void setTimeout(int seconds) override { timeout_ = seconds; }
    // ODBC has no attribute for the wait on a lock, and each server sets it in a language of its own:
    // the wait is the server's, bounded by the statement time-out.
    void setLockTimeout(int) override {}

    // The statements reach the server untranslated: it speaks the module's dialect.
    long execute(const QString& sql) override;
    std::unique_ptr<Cursor> query(const QString& sql) override;
    void insert(const QString& table, const QStringList& columns, const QVariantList& values) override;
    // {call name(?, ...)} with the values bound, inside the caller's transaction.
    void callProcedure(const QString& name, const QVariantList& parameters) override;
    void executeNative(const QString& script) override;

protected:
    // The outermost level is the ODBC transaction (autocommit off until it ends).
    void beginTransaction() override;
    void commitTransaction() override;
    void rollbackTransaction() override;
    void runSavepointStatement(const QString& sql) override;

private:
    QString connectionName_;
    int timeout_ = 30;

    QSqlDatabase database() const;
    QSqlQuery run(const QString& sql, const QVariantList& values = {});
};

// The registry's entry: "Driver=odbc".
DriverEntry driverEntry();

} // namespace ado::odbc
