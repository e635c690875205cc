// Opening and creating the shop database file.
#include "databasefile.h"

#include "platform/core/runtimeerror.h"
#include "shopdatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace db {

ado::ConnectionPtr DatabaseFile::openOrCreateDemo(const QString& path) {
    return QFileInfo::exists(path) ? open(path) : createFresh(path, true);
}

ado::ConnectionPtr DatabaseFile::createFresh(const QString& path, bool withDemo, const QDate& demoDay) {
    QFile::remove(path);
    ado::ConnectionPtr connection = openCreating(path);
    db::createSchema(*connection);
    if (withDemo) db::loadDemo(*connection, demoDay);
    return connection;
}

ado::ConnectionPtr DatabaseFile::openCreating(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    ado::ConnectionPtr connection = ado::Connection::create();
    connection->open(connectionString(path) + QStringLiteral(";Create=yes"));
    return connection;
}

ado::ConnectionPtr DatabaseFile::openExisting(const QString& path) {
    if (!QFileInfo::exists(path))
        throw core::RuntimeError(core::err::FileNotFound, QStringLiteral("File not found: ") + path);
    return open(path);
}

ado::ConnectionPtr DatabaseFile::open(const QString& path) {
    ado::ConnectionPtr connection = ado::Connection::create();
    connection->open(connectionString(path));
    return connection;
}

QString DatabaseFile::connectionString(const QString& path) {
    return QStringLiteral("Driver=sqlite;Database=") + path;
}

} // namespace db
