// Reads a scenario text into commands with their line numbers.
#pragma once

#include "scenariocommand.h"

namespace scenario {

class ScenarioParser {
public:
    // Throws ScenarioParseError with the line and the reason when a line cannot be parsed. An
    // `include "FILE"` line is replaced by the commands of FILE, read relative to `folder`; they keep
    // the include's line number, so a failure inside a shared set-up points at the line that took it in.
    static Script parse(const QString& text, const QString& folder = QString());
    // The scenario in the file at `path` (throws ScenarioParseError with line 0 when it cannot be read).
    static Script parseFile(const QString& path);

private:
    static Script parse(const QString& text, const QString& folder, int depth);
    static void findGoldenFile(ScenarioCommand& command, const QString& folder);
    static void include(Script& script, const ScenarioCommand& command, const QString& folder, int depth);
    static void addBlockLine(Script& script, bool blockOpen, const QString& line, int lineNumber);
    static ScenarioCommand command(const QString& line, int lineNumber);
};

} // namespace scenario
