// Lines, comments, commands and ">" blocks.
#include "scenarioparser.h"

#include "commandsyntax.h"
#include "linetokenizer.h"
#include "textescapes.h"

namespace host {
namespace {

QString withoutLeadingBlanks(const QString& line) {
    qsizetype start = 0;
    while (start < line.size() && (line[start] == u' ' || line[start] == u'\t'))
        ++start;
    return line.mid(start);
}

} // namespace

Script ScenarioParser::parse(const QString& text) {
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    Script script;
    script.lineCount = int(lines.size());
    bool blockOpen = false;
    for (int index = 0; index < lines.size(); ++index) {
        QString line = lines[index];
        if (line.endsWith(u'\r')) line.chop(1);
        const QString content = withoutLeadingBlanks(line);
        if (content.isEmpty() || content.startsWith(u'#')) continue;
        if (content.startsWith(u'>')) {
            addBlockLine(script, blockOpen, content.mid(1), index + 1);
            continue;
        }
        script.commands.push_back(command(content, index + 1));
        blockOpen = CommandSyntax::block(script.commands.back()) != BlockKind::None;
    }
    return script;
}

void ScenarioParser::addBlockLine(Script& script, bool blockOpen, const QString& line, int lineNumber) {
    if (!blockOpen)
        throw ScenarioParseError{lineNumber, QStringLiteral("a \">\" line must follow file or expect file")};
    ScenarioCommand& owner = script.commands.back();
    if (CommandSyntax::block(owner) == BlockKind::Plain) {
        owner.block << line;
        return;
    }
    const std::optional<QString> unescaped = TextEscapes::unescape(line);
    if (!unescaped) throw ScenarioParseError{lineNumber, QStringLiteral("unknown escape in the line")};
    owner.block << *unescaped;
}

ScenarioCommand ScenarioParser::command(const QString& line, int lineNumber) {
    QList<ScenarioArgument> words = LineTokenizer::split(line, lineNumber);
    if (words.first().quoted)
        throw ScenarioParseError{lineNumber, QStringLiteral("a line starts with a command")};
    ScenarioCommand command{lineNumber, words.takeFirst().text.toLower(), words, {}};
    CommandSyntax::check(command);
    return command;
}

} // namespace host
