// --upgrade-database: the shop database brought up to date by its owner, before or while counters work.
#pragma once

#include "hostoptions.h"

namespace host {

class DatabaseUpgrade {
public:
    // Makes in the database --database names what this version needs there and an earlier one did not
    // make; the counters never change the schema themselves, so that they can log in with a role that may
    // only read and write rows. Safe to run again and while counters are open. The exit status: 0 when the
    // database is up to date (a unique key that stored rows break is left out, and named on stderr), 1 when
    // it cannot be opened, holds no shop database or cannot be upgraded (its owner runs this).
    static int run(const HostOptions& options);
};

} // namespace host
