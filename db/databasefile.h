// The shop database the host opens: an existing file, or a new one with the schema and maybe the demo shop.
#pragma once

#include "platform/ado/connection.h"

#include <QDate>

namespace db {

class DatabaseFile {
public:
    // Opens the file, creating it with the schema and the demo shop when it does not exist yet.
    static ado::ConnectionPtr openOrCreateDemo(const QString& path);
    // A new database in place of any earlier file: the schema, and when asked the demo shop with its
    // dates counting back from `demoDay`.
    static ado::ConnectionPtr createFresh(const QString& path, bool withDemo,
                                          const QDate& demoDay = QDate::currentDate());
    // Opens the file, making an empty database and its folder when there is none.
    static ado::ConnectionPtr openCreating(const QString& path);
    // An existing file; error 53 when there is none.
    static ado::ConnectionPtr openExisting(const QString& path);
    // The connection string that opens the file.
    static QString connectionString(const QString& path);

private:
    static ado::ConnectionPtr open(const QString& path);
};

} // namespace db
