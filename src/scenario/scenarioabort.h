// Ends a scenario run from wherever it is, through the module's nested modal loops.
#pragma once

#include <QString>

namespace scenario {

// Deliberately not a std::exception: the module's error traps catch run-time errors and standard
// exceptions and must let this one pass to the runner.
struct ScenarioAbort {
    int line = 0;
    QString reason;
};

} // namespace scenario
