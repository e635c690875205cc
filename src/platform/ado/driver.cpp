// The choice of driver by the connection string's driver name, and what a driver does one statement at a
// time unless it knows better.
#include "driver.h"

#include "adoerror.h"
#include "platform/core/conversions.h"

namespace ado {

std::unique_ptr<Driver> createDriver(const ConnectionString& target) {
    const QString name = target.driverName();
    for (const DriverEntry& entry : enabledDrivers())
        if (entry.name.compare(name, Qt::CaseInsensitive) == 0) return entry.create();
    throw adoError(err::ProviderNotFound);
}

void writeTexts(const QVariantList& values, std::vector<QString>& texts) {
    texts.resize(size_t(values.size()));
    for (qsizetype i = 0; i < values.size(); ++i)
        texts[size_t(i)] = core::nullAsEmpty(values[i]);
}

bool Cursor::fetchTexts(std::vector<QString>& texts) {
    if (!fetch(textsRow_)) return false;
    writeTexts(textsRow_, texts);
    return true;
}

void Driver::queryTogether(const QStringList& queries, const std::function<void(qsizetype, Cursor&)>& read) {
    for (qsizetype i = 0; i < queries.size(); ++i)
        read(i, *query(queries[i]));
}

QVariantList Driver::firstValues(const QStringList& queries) {
    QVariantList values;
    for (const QString& sql : queries) {
        QVariantList row;
        values << (query(sql)->fetch(row) && !row.isEmpty() ? row.first() : QVariant());
    }
    return values;
}

} // namespace ado
