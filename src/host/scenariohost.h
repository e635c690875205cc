// The host running a scenario: reads it, prepares its folder and runs it without a screen, or through the Qt
// windows with --screen.
#pragma once

#include "hostoptions.h"

#include <memory>

namespace scenario {
class Stage;
}

namespace host {

class ScenarioHost {
public:
    // The exit status: 0 passed, 1 failed, 2 the scenario could not be read or parsed.
    static int run(const HostOptions& options);

private:
    static QString prepareFolder(const QString& requested);
    static std::unique_ptr<scenario::Stage> stageOf(const HostOptions& options);
};

} // namespace host
