// Reading a connection string: its keys, their synonyms and the options left for the driver.
#include "connectionstring.h"

namespace ado {

namespace {

// The field a key fills, nothing for a key the driver reads from the options.
QString* fieldOf(ConnectionString& target, const QString& key) {
    static const std::pair<QLatin1String, QString ConnectionString::*> fields[] = {
        {QLatin1String("driver"), &ConnectionString::driver},
        {QLatin1String("database"), &ConnectionString::database},
        {QLatin1String("data source"), &ConnectionString::database},
        {QLatin1String("initial catalog"), &ConnectionString::database},
        {QLatin1String("host"), &ConnectionString::host},
        {QLatin1String("server"), &ConnectionString::host},
        {QLatin1String("port"), &ConnectionString::port},
        {QLatin1String("user"), &ConnectionString::user},
        {QLatin1String("user id"), &ConnectionString::user},
        {QLatin1String("uid"), &ConnectionString::user},
        {QLatin1String("password"), &ConnectionString::password},
        {QLatin1String("pwd"), &ConnectionString::password},
        {QLatin1String("dsn"), &ConnectionString::dsn},
    };
    for (const auto& [name, field] : fields)
        if (key.compare(name, Qt::CaseInsensitive) == 0) return &(target.*field);
    return nullptr;
}

} // namespace

ConnectionString ConnectionString::parse(const QString& text) {
    ConnectionString parsed;
    if (!text.contains(u'=')) {
        parsed.database = text.trimmed();
        return parsed;
    }
    for (const QString& part : text.split(u';', Qt::SkipEmptyParts)) {
        QString key = part.section(u'=', 0, 0).trimmed();
        QString value = part.section(u'=', 1).trimmed();
        if (QString* field = fieldOf(parsed, key))
            *field = value;
        else if (!key.isEmpty())
            parsed.options.append({key, value});
    }
    return parsed;
}

} // namespace ado
