// The host without a screen: reads a scenario, prepares its folder and runs it.
#pragma once

#include "hostoptions.h"

namespace host {

class ScenarioHost {
public:
    // The exit status: 0 passed, 1 failed, 2 the scenario could not be read or parsed.
    static int run(const HostOptions& options);

private:
    static QString prepareFolder(const QString& requested);
};

} // namespace host
