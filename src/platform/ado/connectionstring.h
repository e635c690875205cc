// The connection string a host hands over, read once into what the drivers need of it.
#pragma once

#include <QList>
#include <QString>
#include <utility>

namespace ado {

// "Key=value;Key=value" or a bare path (an SQLite file). Keys are read in any letter case and in any
// order, values trimmed; the synonyms of a key fill one field, the last of them counts. Every other key
// stays in `options` as written, in its order, for the driver to read.
//
// A value may be written in braces, as ODBC writes them, to hold any character: "Password={a;b}" is a;b,
// and "}}" inside the braces stands for one "}" ("{x}}y}" is x}y); blanks inside the braces are kept.
struct ConnectionString {
    QString driver;   // Driver
    QString database; // Database, Data Source, Initial Catalog; the bare path
    QString host;     // Host, Server
    QString port;     // Port
    QString user;     // User, User ID, UID
    QString password; // Password, PWD
    QString dsn;      // DSN
    QList<std::pair<QString, QString>> options;

    static ConnectionString parse(const QString& text);
    // The driver that opens it: the one named, or the embedded database's ("sqlite") for a bare path or a
    // string without "Driver=".
    QString driverName() const { return driver.isEmpty() ? QStringLiteral("sqlite") : driver; }
    // Whether it names a driver or a data source, as a path never does.
    bool namesDriver() const { return !driver.isEmpty() || !dsn.isEmpty(); }
    // The value of the option `key` (in any letter case), the last one given; empty when there is none.
    QString option(QStringView key) const;
};

// The connection string as written, with the value of every password (Password, PWD, and any key naming
// one, such as sslpassword) shown as ***: the form in which a connection string may reach a message or a
// log. A bare path comes back as it is.
QString maskedConnectionString(const QString& text);

// What a driver says when the connection string names no database it can open.
inline const QString noDatabaseNamed = QStringLiteral("No database is named in the connection string.");

} // namespace ado
