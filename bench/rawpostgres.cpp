// The grid's rows read through libpq.
#include "platform/ado/postgres/postgrescatalog.h"
#include "platform/ado/postgres/postgresrewriter.h"
#include "rawengine.h"

#include <QElapsedTimer>
#include <QSqlDriver>
#include <QSqlError>
#include <QVariant>
#include <libpq-fe.h>
#include <stdexcept>

namespace bench {

namespace {

const QString rawConnection = QStringLiteral("bench-libpq");

// QtSql's PostgreSQL connection, for the driver's schema cache that the translation reads; its handle is
// the libpq connection the rows are read through.
QSqlDatabase openDatabase(const ado::ConnectionString& target) {
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), rawConnection);
    database.setHostName(target.host);
    if (!target.port.isEmpty()) database.setPort(target.port.toInt());
    database.setDatabaseName(target.database);
    database.setUserName(target.user);
    database.setPassword(target.password);
    if (!database.open()) throw std::runtime_error(database.lastError().text().toStdString());
    return database;
}

RawReading readAll(PGconn* connection, const QByteArray& sql) {
    RawReading reading;
    QElapsedTimer timer;
    timer.start();
    PGresult* result = PQexec(connection, sql.constData());
    if (PQresultStatus(result) != PGRES_TUPLES_OK) {
        const std::string message = PQresultErrorMessage(result);
        PQclear(result);
        throw std::runtime_error(message);
    }
    const int rows = PQntuples(result);
    const int columns = PQnfields(result);
    for (; reading.rows < rows; ++reading.rows)
        for (int i = 0; i < columns; ++i) {
            const int row = static_cast<int>(reading.rows);
            reading.filledCells += !PQgetisnull(result, row, i) && *PQgetvalue(result, row, i) != '\0';
        }
    PQclear(result);
    reading.seconds = timer.nsecsElapsed() / 1e9;
    return reading;
}

} // namespace

RawReading readThroughLibpq(const ado::ConnectionString& target, const QString& sql) {
    RawReading reading;
    {
        QSqlDatabase database = openDatabase(target);
        ado::postgres::SchemaCache schema(database);
        const QString translated = ado::postgres::PostgresRewriter(schema.catalog()).translate(sql);
        reading = readAll(*static_cast<PGconn* const*>(database.driver()->handle().constData()),
                          translated.toUtf8());
        database.close();
    }
    QSqlDatabase::removeDatabase(rawConnection);
    return reading;
}

} // namespace bench
