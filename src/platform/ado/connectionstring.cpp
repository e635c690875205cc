// Reading a connection string: its keys, their synonyms, quoted values and the options left for the driver.
#include "connectionstring.h"

#include <tuple>
#include <vector>

namespace ado {

namespace {

// The field a key fills, nothing for a key the driver reads from the options.
QString ConnectionString::*fieldOf(const QString& key) {
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
        if (key.compare(name, Qt::CaseInsensitive) == 0) return field;
    return nullptr;
}

bool namesPassword(const QString& key) {
    return fieldOf(key) == &ConnectionString::password || key.contains(u"password", Qt::CaseInsensitive);
}

// One "key=value" of the text: the value as it reads, and where it is written (from just after the "=" up
// to the ";" that ends it, or the end of the text).
struct Entry {
    QString key;
    QString value;
    qsizetype valueStart = -1; // -1: a key without "="
    qsizetype end = 0;
};

qsizetype endOfEntry(const QString& text, qsizetype from) {
    const qsizetype semicolon = text.indexOf(u';', from);
    return semicolon < 0 ? text.size() : semicolon;
}

// The value written from `from` (just after the "="), and where the entry ends. A value in braces runs to
// the closing brace, or to the end of the text when there is none.
std::pair<QString, qsizetype> valueAt(const QString& text, qsizetype from) {
    qsizetype i = from;
    while (i < text.size() && text[i].isSpace())
        ++i;
    if (i == text.size() || text[i] != u'{') {
        const qsizetype end = endOfEntry(text, from);
        return {text.mid(from, end - from).trimmed(), end};
    }
    QString value;
    for (++i; i < text.size(); ++i) {
        if (text[i] != u'}') {
            value += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == u'}') {
            value += u'}';
            ++i;
        } else {
            ++i;
            break;
        }
    }
    // What stands between the closing brace and the ";" belongs to the value too.
    const qsizetype end = endOfEntry(text, i);
    return {value + text.mid(i, end - i).trimmed(), end};
}

std::vector<Entry> entriesOf(const QString& text) {
    std::vector<Entry> entries;
    for (qsizetype start = 0; start < text.size();) {
        Entry entry;
        const qsizetype equals = text.indexOf(u'=', start);
        entry.end = endOfEntry(text, start);
        if (equals >= 0 && equals < entry.end) {
            entry.valueStart = equals + 1;
            std::tie(entry.value, entry.end) = valueAt(text, entry.valueStart);
        }
        entry.key = text.mid(start, (entry.valueStart < 0 ? entry.end : equals) - start).trimmed();
        entries.push_back(entry);
        start = entry.end + 1;
    }
    return entries;
}

} // namespace

ConnectionString ConnectionString::parse(const QString& text) {
    ConnectionString parsed;
    if (!text.contains(u'=')) {
        parsed.database = text.trimmed();
        return parsed;
    }
    for (const Entry& entry : entriesOf(text)) {
        if (QString ConnectionString::*field = fieldOf(entry.key))
            parsed.*field = entry.value;
        else if (!entry.key.isEmpty())
            parsed.options.append({entry.key, entry.value});
    }
    return parsed;
}

QString ConnectionString::option(QStringView key) const {
    for (auto it = options.crbegin(); it != options.crend(); ++it)
        if (it->first.compare(key, Qt::CaseInsensitive) == 0) return it->second;
    return {};
}

QString maskedConnectionString(const QString& text) {
    if (!text.contains(u'=')) return text;
    QString masked;
    qsizetype copied = 0;
    for (const Entry& entry : entriesOf(text)) {
        if (entry.valueStart < 0 || !namesPassword(entry.key)) continue;
        masked += text.mid(copied, entry.valueStart - copied) + QStringLiteral("***");
        copied = entry.end;
    }
    return masked + text.mid(copied);
}

} // namespace ado
