// Splits one scenario line into bare words and quoted texts.
#pragma once

#include "scenariocommand.h"

namespace scenario {

class LineTokenizer {
public:
    // Blanks (spaces and tabs) separate the arguments; a quoted text may hold blanks and escapes.
    // Throws ScenarioParseError for an unclosed text, an unknown escape or a quote inside a word.
    static QList<ScenarioArgument> split(const QString& line, int lineNumber);

private:
    static ScenarioArgument quotedText(const QString& line, qsizetype& pos, int lineNumber);
    static ScenarioArgument bareWord(const QString& line, qsizetype& pos, int lineNumber);
};

} // namespace scenario
