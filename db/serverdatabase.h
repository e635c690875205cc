// Shop databases of their own on a database server, for runs that must not share one: each test case and
// each scenario.
#pragma once

#include "platform/ado/connection.h"

#include <QDate>

namespace db {

class ServerDatabase {
public:
    // A new database with a name no other has, on the server the connection string `server` reaches
    // (its user may create databases), with the schema and when asked the demo shop with its dates
    // counting back from `demoDay`. The connection is opened with `server` naming the new database.
    static ado::ConnectionPtr createFresh(const QString& server, bool withDemo,
                                          const QDate& demoDay = QDate::currentDate());
    // Removes the database that a connection from createFresh opened; that connection must be closed.
    static void drop(const QString& server, const QString& connectionString);
};

} // namespace db
