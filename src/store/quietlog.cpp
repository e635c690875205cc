// Writes the store's passed-over data to the suite's error log without telling the user.
#include "quietlog.h"

#include "platform/core/runtimeerror.h"
#include "shared/services/servicesinterfaces.h"

namespace store {

namespace {
// The store's work is the shared module's: its procedures serve every window.
const QString ModuleName = QStringLiteral("basReceiptsShop");
} // namespace

void logQuietly(const ado::ConnectionPtr& connection, const QString& procedureName, qint64 errorNumber,
                const QString& description) {
    auto details = suite::Factory::create<suite::ErrorDetails>(suite::progid::ErrorDetails);
    details->adocon = connection;
    details->ErrorTrack(ModuleName, QString(), procedureName, errorNumber, core::componentName, description,
                        QString(), false);
}

} // namespace store
