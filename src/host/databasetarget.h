// The shop database the host's --database names: an SQLite file by its path, or any database by a
// connection string.
#pragma once

#include "platform/ado/connection.h"

#include <QString>

namespace host {

class DatabaseTarget {
public:
    // The option's value, or receipts.db in the application folder when it is empty. A value naming a
    // driver or a data source ("Driver=postgres;Host=...") is a connection string; anything else a path.
    static DatabaseTarget of(const QString& option, const QString& folder);
    // The option's value as given. A value written as a connection string ("=" or ";") that names no driver
    // or data source is refused (OptionError): taken for a path, it would become a new file.
    static QString checked(const QString& option);

    bool isFile() const { return isFile_; }
    // Whether it is the application folder's own file, which the host creates with the demo shop.
    bool isDefault() const { return isDefault_; }
    QString connectionString() const;
    // A connection to it, opened; a file is made empty when missing if `creating`, else must exist.
    ado::ConnectionPtr open(bool creating) const;
    // How messages name it: the path, or the connection string with its passwords masked.
    QString name() const;

private:
    QString text_;
    bool isFile_ = true;
    bool isDefault_ = true;
};

} // namespace host
