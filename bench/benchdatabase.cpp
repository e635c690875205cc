// The database a benchmark works in, on SQLite or on a server.
#include "benchdatabase.h"

#include "db/serverdatabase.h"
#include "db/shopdatabase.h"
#include "platform/ado/driver.h"

namespace bench {

QString takeOption(QStringList& arguments, const QString& name) {
    const qsizetype at = arguments.indexOf(name);
    if (at < 0 || at + 1 >= arguments.size()) return QString();
    const QString value = arguments.at(at + 1);
    arguments.remove(at, 2);
    return value;
}

QString takeDatabaseOption(QStringList& arguments) {
    return takeOption(arguments, QStringLiteral("--database"));
}

BenchDatabase::BenchDatabase(const QString& server, const QString& fileName, bool withDemo)
    : server_(server) {
    if (!onSqlite()) {
        connection_ = db::ServerDatabase::createFresh(server_, withDemo);
        return;
    }
    connection_ = ado::Connection::create();
    connection_->open(QStringLiteral("Driver=sqlite;Database=") + folder_.filePath(fileName) +
                      QStringLiteral(";Create=yes"));
    db::createSchema(connection_);
    if (withDemo) db::loadDemo(connection_);
}

BenchDatabase::~BenchDatabase() {
    const QString connectionString = connection_->connectionString();
    connection_->close();
    if (!onSqlite()) db::ServerDatabase::drop(server_, connectionString);
}

QString BenchDatabase::engine() const {
    return connection_->driver().name();
}

// The database's own tables: the catalogues shared with other databases are the superuser's, and are skipped
// with a warning each that is no news.
void BenchDatabase::settle() const {
    if (onSqlite()) return;
    for (const char* step :
         {"SET client_min_messages = error", "VACUUM ANALYZE", "RESET client_min_messages"})
        connection_->driver().executeNative(QString::fromLatin1(step));
}

} // namespace bench
