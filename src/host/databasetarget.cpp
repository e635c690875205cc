// Telling a database file from a connection string on the host's command line.
#include "databasetarget.h"

#include "hostoptions.h"

#include "db/databasefile.h"
#include "platform/ado/connectionstring.h"

#include <QDir>

namespace host {

DatabaseTarget DatabaseTarget::of(const QString& option, const QString& folder) {
    DatabaseTarget target;
    target.isDefault_ = option.isEmpty();
    target.text_ = option.isEmpty() ? QDir(folder).filePath(QStringLiteral("receipts.db")) : option;
    target.isFile_ = !ado::ConnectionString::parse(target.text_).namesDriver();
    return target;
}

QString DatabaseTarget::checked(const QString& option) {
    const bool keyed = option.contains(u'=') || option.contains(u';');
    if (keyed && !ado::ConnectionString::parse(option).namesDriver())
        throw OptionError(QStringLiteral("--database \"%1\" is a connection string without a driver: add "
                                         "Driver=postgres (or Driver=odbc;DSN=NAME); a file whose path holds "
                                         "\"=\" or \";\" is named as Driver=sqlite;Database={PATH}")
                              .arg(ado::maskedConnectionString(option))
                              .toStdString());
    return option;
}

QString DatabaseTarget::connectionString() const {
    return isFile_ ? db::DatabaseFile::connectionString(text_) : text_;
}

ado::ConnectionPtr DatabaseTarget::open(bool creating) const {
    if (isFile_)
        return creating ? db::DatabaseFile::openCreating(text_) : db::DatabaseFile::openExisting(text_);
    ado::ConnectionPtr connection = ado::Connection::create();
    connection->open(text_);
    return connection;
}

QString DatabaseTarget::name() const {
    return isFile_ ? text_ : ado::maskedConnectionString(text_);
}

} // namespace host
