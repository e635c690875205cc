// The shapes of the commands' arguments, checked before anything runs.
#pragma once

#include "scenariocommand.h"

// Each check throws ScenarioParseError when the command's arguments do not fit its shape.
namespace scenario::syntax {

void none(const ScenarioCommand& command);
// One argument of any kind.
void single(const ScenarioCommand& command);
void database(const ScenarioCommand& command);
void session(const ScenarioCommand& command);
void control(const ScenarioCommand& command);
void controlAndText(const ScenarioCommand& command);
void controlAndNumber(const ScenarioCommand& command);
void controlAndTwoNumbers(const ScenarioCommand& command);
void date(const ScenarioCommand& command);
void select(const ScenarioCommand& command);
void key(const ScenarioCommand& command);
void hover(const ScenarioCommand& command);
void window(const ScenarioCommand& command);
void answer(const ScenarioCommand& command);
void dump(const ScenarioCommand& command);
void expect(const ScenarioCommand& command);

} // namespace scenario::syntax
