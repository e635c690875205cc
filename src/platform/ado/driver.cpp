// The choice of driver by the connection string's driver name.
#include "driver.h"

#include "adoerror.h"

namespace ado {

std::unique_ptr<Driver> createDriver(const ConnectionString& target) {
    const QString name = target.driverName();
    for (const DriverEntry& entry : enabledDrivers())
        if (entry.name.compare(name, Qt::CaseInsensitive) == 0) return entry.create();
    throw adoError(err::ProviderNotFound);
}

} // namespace ado
