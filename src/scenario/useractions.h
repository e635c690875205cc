// The acting commands: what the user does to the controls of the active window.
#pragma once

#include "scenariocommand.h"

namespace forms {
class Control;
class UserInput;
} // namespace forms

namespace scenario {

class LocaleForms;
class WindowRegistry;

// Each action throws core::RuntimeError or ScenarioAbort when the user could not do it. The actions reach the
// controls through the input given: the runtime's own, or the windows on a screen.
class UserActions {
public:
    // Numbers and dates typed, pasted and chosen are in the run's form.
    UserActions(WindowRegistry& windows, forms::UserInput& input, const LocaleForms& forms)
        : windows_(windows), input_(input), forms_(forms) {}

    void click(const ScenarioCommand& command);
    void select(const ScenarioCommand& command);
    void type(const ScenarioCommand& command);
    void clear(const ScenarioCommand& command);
    void paste(const ScenarioCommand& command);
    void key(const ScenarioCommand& command);
    void focus(const ScenarioCommand& command);
    void pickDate(const ScenarioCommand& command);
    void chooseTab(const ScenarioCommand& command);
    void clickItem(const ScenarioCommand& command);
    void rightClickItem(const ScenarioCommand& command);
    void doubleClick(const ScenarioCommand& command);
    void clickCell(const ScenarioCommand& command);
    void dragRows(const ScenarioCommand& command);
    void hover(const ScenarioCommand& command);
    void close(const ScenarioCommand& command);

private:
    forms::Control& target(const ScenarioCommand& command) const;
    template <class Kind> Kind& as(const ScenarioCommand& command, const char* what) const;

    WindowRegistry& windows_;
    forms::UserInput& input_;
    const LocaleForms& forms_;
};

} // namespace scenario
