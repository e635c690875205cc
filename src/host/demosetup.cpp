// Setting up the demo shop on an empty database.
#include "demosetup.h"

#include "databasetarget.h"
#include "db/shopdatabase.h"
#include "shared/userfolder.h"

#include "platform/core/runtimeerror.h"

#include <iostream>

namespace host {

int DemoSetup::run(const HostOptions& options) {
    const DatabaseTarget target =
        DatabaseTarget::of(options.database, shared::UserFolder::prepare(options.folder));
    try {
        const ado::ConnectionPtr connection = target.open(true);
        if (db::hasSchema(connection)) {
            std::cerr << "receipts-host: " << target.name().toStdString()
                      << " already holds a shop database; the demo shop is set up only on an empty one\n";
            return 1;
        }
        db::createSchema(connection);
        db::loadDemo(connection, options.session.processDate);
    } catch (const core::RuntimeError& error) {
        std::cerr << "receipts-host: the demo shop cannot be set up in " << target.name().toStdString()
                  << ":\n"
                  << error.description().toStdString() << "\n";
        return 1;
    }
    std::cout << "The demo shop is set up in " << target.name().toStdString() << ".\n";
    return 0;
}

} // namespace host
