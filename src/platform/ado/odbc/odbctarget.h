// The ODBC connection text a connection string stands for.
#pragma once

#include "platform/ado/connectionstring.h"

namespace ado::odbc {

// The key naming the ODBC driver when no data source is named: "Driver=" already names ours.
inline const QString odbcDriverKey = QStringLiteral("Odbc Driver");

// "DSN=name" or "DRIVER={odbc driver}", then SERVER, PORT, DATABASE, UID and PWD as given, then every
// other key as written, for the ODBC driver to read. Error -2147467259 when neither is named.
QString odbcConnectText(const ConnectionString& target);

// The text as the QODBC plugin takes it: the plugin writes "DSN=" before a text that names no driver or
// server itself.
QString pluginDatabaseName(const QString& connectText);

} // namespace ado::odbc
