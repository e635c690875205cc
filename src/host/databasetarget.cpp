// Telling a database file from a connection string on the host's command line.
#include "databasetarget.h"

#include "db/databasefile.h"
#include "platform/ado/connectionstring.h"

#include <QDir>

namespace host {

DatabaseTarget DatabaseTarget::of(const QString& option, const QString& folder) {
    DatabaseTarget target;
    target.isDefault_ = option.isEmpty();
    target.text_ = option.isEmpty() ? QDir(folder).filePath(QStringLiteral("receipts.db")) : option;
    const ado::ConnectionString parsed = ado::ConnectionString::parse(target.text_);
    target.isFile_ = parsed.driver.isEmpty() && parsed.dsn.isEmpty();
    return target;
}

QString DatabaseTarget::connectionString() const {
    return isFile_ ? db::DatabaseFile::connectionString(text_) : text_;
}

QString DatabaseTarget::name() const {
    return isFile_ ? text_ : ado::ConnectionString::parse(text_).database;
}

} // namespace host
