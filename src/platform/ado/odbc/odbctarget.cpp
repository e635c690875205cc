// Writing the ODBC connection text: keywords, values in braces where the text needs them.
#include "odbctarget.h"

#include "odbcerror.h"
#include "platform/core/runtimeerror.h"

namespace ado::odbc {

namespace {

// A value in braces when a blank, a semicolon or a brace would end or break it; braces inside doubled.
QString attributeValue(const QString& value) {
    static const QString breaking = QStringLiteral(" ;{}");
    for (QChar c : value)
        if (breaking.contains(c)) return u'{' + QString(value).replace(u'}', QStringLiteral("}}")) + u'}';
    return value;
}

} // namespace

QString odbcConnectText(const ConnectionString& target) {
    const QString odbcDriver = target.option(odbcDriverKey);
    if (target.dsn.isEmpty() && odbcDriver.isEmpty())
        raiseDriverError(core::err::DbFailure,
                         QStringLiteral("No ODBC data source or driver is named in the connection string."));
    QStringList parts;
    auto add = [&parts](const QString& key, const QString& value) {
        if (!value.isEmpty()) parts << key + u'=' + attributeValue(value);
    };
    if (target.dsn.isEmpty())
        add(QStringLiteral("DRIVER"), odbcDriver);
    else
        add(QStringLiteral("DSN"), target.dsn);
    add(QStringLiteral("SERVER"), target.host);
    add(QStringLiteral("PORT"), target.port);
    add(QStringLiteral("DATABASE"), target.database);
    add(QStringLiteral("UID"), target.user);
    add(QStringLiteral("PWD"), target.password);
    for (const auto& [key, value] : target.options)
        if (key.compare(odbcDriverKey, Qt::CaseInsensitive) != 0) add(key, value);
    return parts.join(u';');
}

QString pluginDatabaseName(const QString& connectText) {
    const bool namesItself = connectText.contains(QLatin1String("DRIVER="), Qt::CaseInsensitive) ||
                             connectText.contains(QLatin1String("SERVER="), Qt::CaseInsensitive);
    return namesItself ? connectText : connectText.mid(qstrlen("DSN="));
}

} // namespace ado::odbc
