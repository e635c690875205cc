// Opening and creating the shop database file.
#include "hostdatabase.h"

#include "db/shopdatabase.h"
#include "platform/core/runtimeerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace host {

ado::ConnectionPtr HostDatabase::openOrCreateDemo(const QString& path) {
    return QFileInfo::exists(path) ? open(path) : createFresh(path, true);
}

ado::ConnectionPtr HostDatabase::createFresh(const QString& path, bool withDemo, const QDate& demoDay) {
    QFile::remove(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    ado::ConnectionPtr connection = open(path);
    db::createSchema(*connection);
    if (withDemo) db::loadDemo(*connection, demoDay);
    return connection;
}

ado::ConnectionPtr HostDatabase::openExisting(const QString& path) {
    if (!QFileInfo::exists(path))
        throw rt::RuntimeError(rt::err::FileNotFound, QStringLiteral("File not found: ") + path);
    return open(path);
}

ado::ConnectionPtr HostDatabase::open(const QString& path) {
    ado::ConnectionPtr connection = ado::Connection::create();
    connection->open(connectionString(path));
    return connection;
}

QString HostDatabase::connectionString(const QString& path) {
    return QStringLiteral("Driver=sqlite;Database=") + path;
}

} // namespace host
