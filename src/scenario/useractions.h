// The acting commands: what the user does to the controls of the active window.
#pragma once

#include "scenariocommand.h"

#include <functional>
#include <map>

namespace forms {
class Control;
}

namespace scenario {

class WindowRegistry;

class UserActions {
public:
    explicit UserActions(WindowRegistry& windows);

    bool handles(const QString& name) const { return actions_.count(name) != 0; }
    // Runs an acting command; a user action that is impossible throws core::RuntimeError or ScenarioAbort.
    void run(const ScenarioCommand& command);

private:
    forms::Control& target(const ScenarioCommand& command) const;
    template <class Kind> Kind& as(const ScenarioCommand& command, const char* what) const;

    void select(const ScenarioCommand& command);
    void key(const ScenarioCommand& command);
    void doubleClick(const ScenarioCommand& command);
    void hover(const ScenarioCommand& command);
    void close(const ScenarioCommand& command);

    WindowRegistry& windows_;
    std::map<QString, std::function<void(const ScenarioCommand&)>> actions_;
};

} // namespace scenario
