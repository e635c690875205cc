// Reads a scenario text into commands with their line numbers.
#pragma once

#include "scenariocommand.h"

namespace host {

class ScenarioParser {
public:
    // Throws ScenarioParseError with the line and the reason when a line cannot be parsed.
    static Script parse(const QString& text);

private:
    static void addBlockLine(Script& script, bool blockOpen, const QString& line, int lineNumber);
    static ScenarioCommand command(const QString& line, int lineNumber);
};

} // namespace host
