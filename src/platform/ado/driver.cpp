// The choice of driver by the connection string's driver name.
#include "driver.h"

#include "adoerror.h"
#include "platform/ado/sqlite/sqlitedriver.h"

namespace ado {

std::unique_ptr<Driver> createDriver(const QString& driverName) {
    if (driverName.isEmpty() || driverName.compare(u"sqlite", Qt::CaseInsensitive) == 0)
        return std::make_unique<sqlite::SqliteDriver>();
    throw adoError(err::ProviderNotFound);
}

} // namespace ado
