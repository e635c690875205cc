// The grid's rows read through libpq.
#include "platform/ado/postgres/postgrescatalog.h"
#include "platform/ado/postgres/postgresconnect.h"
#include "platform/ado/postgres/postgresrewriter.h"
#include "rawengine.h"

#include <QElapsedTimer>
#include <libpq-fe.h>
#include <stdexcept>

namespace bench {

namespace {

RawReading readAll(PGconn* connection, const QByteArray& sql) {
    RawReading reading;
    QElapsedTimer timer;
    timer.start();
    const ado::postgres::PgResult result(PQexec(connection, sql.constData()));
    if (PQresultStatus(result.get()) != PGRES_TUPLES_OK)
        throw std::runtime_error(PQresultErrorMessage(result.get()));
    const int rows = PQntuples(result.get());
    const int columns = PQnfields(result.get());
    for (; reading.rows < rows; ++reading.rows)
        for (int i = 0; i < columns; ++i) {
            const int row = static_cast<int>(reading.rows);
            reading.filledCells +=
                !PQgetisnull(result.get(), row, i) && *PQgetvalue(result.get(), row, i) != '\0';
        }
    reading.seconds = timer.nsecsElapsed() / 1e9;
    return reading;
}

} // namespace

// A connection of its own, made as the driver makes one; the driver's schema cache on it gives the
// translation what it reads.
RawReading readThroughLibpq(const ado::ConnectionString& target, const QString& sql) {
    const ado::postgres::PgConnection connection = ado::postgres::connectTo(target);
    ado::postgres::SchemaCache schema(connection.get());
    const QString translated = ado::postgres::PostgresRewriter(schema.catalog()).translate(sql);
    return readAll(connection.get(), translated.toUtf8());
}

} // namespace bench
