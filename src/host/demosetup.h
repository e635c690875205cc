// --create-demo: the demo shop set up on an empty database, as a shop's installer does before the first
// start of the register.
#pragma once

#include "hostoptions.h"

namespace host {

class DemoSetup {
public:
    // Creates the schema and the demo data, their dates counting back from the process date, in the
    // database --database names and returns without opening the register, so that an installer can run
    // it unattended. The exit status: 0 when the demo shop is set up, 1 when the database cannot be
    // opened or set up or already holds a shop database (demo receipts are never mixed with real ones).
    static int run(const HostOptions& options);
};

} // namespace host
