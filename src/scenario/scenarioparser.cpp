// Lines, comments, commands and ">" blocks.
#include "scenarioparser.h"

#include "commandtable.h"
#include "linetokenizer.h"
#include "textescapes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace scenario {
namespace {

// Deep enough for a set-up that builds on another, shallow enough to stop a file that includes itself.
constexpr int MaxIncludeDepth = 8;

QString withoutLeadingBlanks(const QString& line) {
    qsizetype start = 0;
    while (start < line.size() && (line[start] == u' ' || line[start] == u'\t'))
        ++start;
    return line.mid(start);
}

} // namespace

Script ScenarioParser::parse(const QString& text, const QString& folder) {
    return parse(text, folder, 0);
}

Script ScenarioParser::parseFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw ScenarioParseError{0, QStringLiteral("cannot read ") + path};
    return parse(QString::fromUtf8(file.readAll()), QFileInfo(path).absolutePath());
}

Script ScenarioParser::parse(const QString& text, const QString& folder, int depth) {
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
        ScenarioCommand next = command(content, index + 1);
        const CommandDefinition& definition = CommandTable::checked(next);
        blockOpen = definition.blockOf(next) != BlockKind::None;
        findGoldenFile(next, folder);
        if (definition.moment == CommandMoment::WhileParsing)
            include(script, next, folder, depth);
        else
            script.commands.push_back(next);
    }
    return script;
}

// A golden file is named from the folder of the scenario that names it, as an included file is.
void ScenarioParser::findGoldenFile(ScenarioCommand& command, const QString& folder) {
    if (command.name == u"expect" && command.args.size() == 4 && command.args[2].isWord(u"golden"))
        command.args[3].text = QDir(folder).filePath(command.args[3].text);
}

void ScenarioParser::include(Script& script, const ScenarioCommand& command, const QString& folder,
                             int depth) {
    const QString path = QDir(folder).filePath(command.args[0].text);
    if (depth >= MaxIncludeDepth)
        throw ScenarioParseError{command.line, QStringLiteral("includes nest too deep at ") + path};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ScenarioParseError{command.line, QStringLiteral("cannot read ") + path};
    Script included;
    try {
        included = parse(QString::fromUtf8(file.readAll()), QFileInfo(path).absolutePath(), depth + 1);
    } catch (const ScenarioParseError& error) {
        throw ScenarioParseError{
            command.line, QStringLiteral("%1 line %2: %3").arg(path).arg(error.line).arg(error.reason)};
    }
    for (ScenarioCommand& taken : included.commands) {
        taken.line = command.line;
        script.commands.push_back(std::move(taken));
    }
}

void ScenarioParser::addBlockLine(Script& script, bool blockOpen, const QString& line, int lineNumber) {
    if (!blockOpen)
        throw ScenarioParseError{lineNumber, QStringLiteral("a \">\" line must follow file or expect file")};
    ScenarioCommand& owner = script.commands.back();
    if (CommandTable::definition(owner).blockOf(owner) == BlockKind::Plain) {
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
    return ScenarioCommand{lineNumber, words.takeFirst().text.toLower(), words, {}};
}

} // namespace scenario
