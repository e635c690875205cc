// The grid's rows read through the SQLite C interface.
#include "platform/ado/sqlite/sqlitecatalog.h"
#include "platform/ado/sqlite/sqlitefunctions.h"
#include "platform/ado/sqlite/sqliterewriter.h"
#include "rawengine.h"

#include <QElapsedTimer>
#include <sqlite3.h>
#include <stdexcept>

namespace bench {

namespace {

[[noreturn]] void fail(sqlite3* db, const char* step) {
    throw std::runtime_error(std::string(step) + ": " + sqlite3_errmsg(db));
}

} // namespace

RawReading readThroughSqlite(const QString& file, const QString& sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        fail(db, "open");
    ado::sqlite::registerDialect(db);
    ado::sqlite::SchemaCache schema(db);
    const QByteArray translated = ado::sqlite::SqliteRewriter(schema.catalog()).translate(sql).toUtf8();
    RawReading reading;
    QElapsedTimer timer;
    timer.start();
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, translated.constData(), -1, &statement, nullptr) != SQLITE_OK)
        fail(db, "prepare");
    const int columns = sqlite3_column_count(statement);
    for (; sqlite3_step(statement) == SQLITE_ROW; ++reading.rows)
        for (int i = 0; i < columns; ++i)
            reading.filledCells +=
                sqlite3_column_text(statement, i) && sqlite3_column_bytes(statement, i) > 0;
    sqlite3_finalize(statement);
    reading.seconds = timer.nsecsElapsed() / 1e9;
    sqlite3_close(db);
    return reading;
}

} // namespace bench
