// Creating and removing databases of their own on a database server.
#include "serverdatabase.h"

#include "platform/ado/connectionstring.h"
#include "platform/ado/driver.h"
#include "shopdatabase.h"

#include <QUuid>

namespace db {

namespace {

// Runs one statement on the database the connection string `server` names; a database is created and
// dropped from outside itself, and outside any transaction.
void onServer(const QString& server, const QString& statement) {
    ado::ConnectionPtr connection = ado::Connection::create();
    connection->open(server);
    connection->driver().executeNative(statement);
    connection->close();
}

} // namespace

ado::ConnectionPtr ServerDatabase::createFresh(const QString& server, bool withDemo, const QDate& demoDay) {
    const QString name =
        QStringLiteral("receipts_") + QUuid::createUuid().toString(QUuid::Id128); // lower-case hex digits
    onServer(server, QStringLiteral("CREATE DATABASE ") + name);
    ado::ConnectionPtr connection = ado::Connection::create();
    // The last of the keys naming the database counts.
    connection->open(server + QStringLiteral(";Database=") + name);
    createSchema(connection);
    if (withDemo) loadDemo(connection, demoDay);
    return connection;
}

void ServerDatabase::drop(const QString& server, const QString& connectionString) {
    onServer(server, QStringLiteral("DROP DATABASE IF EXISTS ") +
                         ado::ConnectionString::parse(connectionString).database);
}

} // namespace db
