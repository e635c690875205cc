// Upgrading the shop database in place.
#include "databaseupgrade.h"

#include "databasetarget.h"
#include "db/schemaupgrade.h"
#include "db/shopdatabase.h"
#include "shared/userfolder.h"

#include "platform/core/runtimeerror.h"

#include <iostream>

namespace host {

int DatabaseUpgrade::run(const HostOptions& options) {
    const DatabaseTarget target =
        DatabaseTarget::of(options.database, shared::UserFolder::prepare(options.folder));
    try {
        const ado::ConnectionPtr connection = target.open(false);
        if (!db::hasSchema(connection)) {
            std::cerr << "receipts-host: " << target.name().toStdString()
                      << " holds no shop database; --create-demo sets up the demo shop\n";
            return 1;
        }
        for (const QString& leftOut : db::upgradeDatabase(connection))
            std::cerr << "receipts-host: " << leftOut.toStdString() << "\n";
    } catch (const core::RuntimeError& error) {
        std::cerr << "receipts-host: the shop database " << target.name().toStdString()
                  << " cannot be upgraded:\n"
                  << error.description().toStdString() << "\n";
        return 1;
    }
    std::cout << "The shop database " << target.name().toStdString() << " is up to date.\n";
    return 0;
}

} // namespace host
