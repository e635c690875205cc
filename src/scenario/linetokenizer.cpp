// Tokens of a scenario line.
#include "linetokenizer.h"

#include "textescapes.h"

namespace scenario {
namespace {

bool isBlank(QChar character) {
    return character == u' ' || character == u'\t';
}

} // namespace

QList<ScenarioArgument> LineTokenizer::split(const QString& line, int lineNumber) {
    QList<ScenarioArgument> arguments;
    qsizetype pos = 0;
    while (true) {
        while (pos < line.size() && isBlank(line[pos]))
            ++pos;
        if (pos >= line.size()) return arguments;
        arguments << (line[pos] == u'"' ? quotedText(line, pos, lineNumber)
                                        : bareWord(line, pos, lineNumber));
    }
}

ScenarioArgument LineTokenizer::quotedText(const QString& line, qsizetype& pos, int lineNumber) {
    ScenarioArgument argument{QString(), true};
    for (++pos; pos < line.size();) {
        const QChar character = line[pos];
        if (character == u'"') {
            if (++pos < line.size() && !isBlank(line[pos]))
                throw ScenarioParseError{lineNumber, QStringLiteral("a blank must follow the closing quote")};
            return argument;
        }
        if (character != u'\\') {
            argument.text += character;
            ++pos;
            continue;
        }
        const std::optional<QChar> escaped = TextEscapes::read(line, pos);
        if (!escaped)
            throw ScenarioParseError{lineNumber,
                                     QStringLiteral("unknown escape \"") + line.mid(pos, 4) + u'"'};
        argument.text += *escaped;
    }
    throw ScenarioParseError{lineNumber, QStringLiteral("the text has no closing quote")};
}

ScenarioArgument LineTokenizer::bareWord(const QString& line, qsizetype& pos, int lineNumber) {
    const qsizetype start = pos;
    while (pos < line.size() && !isBlank(line[pos])) {
        if (line[pos] == u'"')
            throw ScenarioParseError{lineNumber, QStringLiteral("a quote inside the word \"") +
                                                     line.mid(start, pos - start + 1) + u'"'};
        ++pos;
    }
    return {line.mid(start, pos - start), false};
}

} // namespace scenario
