// The choice of driver by the connection string's driver name, and what a driver does one statement at a
// time unless it knows better.
#include "driver.h"

#include "adoerror.h"

namespace ado {

std::unique_ptr<Driver> createDriver(const ConnectionString& target) {
    const QString name = target.driverName();
    for (const DriverEntry& entry : enabledDrivers())
        if (entry.name.compare(name, Qt::CaseInsensitive) == 0) return entry.create();
    throw adoError(err::ProviderNotFound);
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
