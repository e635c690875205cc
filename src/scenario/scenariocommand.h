// One parsed scenario command: its line, name, arguments and block lines.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace scenario {

struct ScenarioArgument {
    QString text;
    bool quoted = false;

    // A bare word spelled so, without regard to letter case ("none", "open", "OK").
    bool isWord(QStringView word) const { return !quoted && text.compare(word, Qt::CaseInsensitive) == 0; }
};

struct ScenarioCommand {
    int line = 0;
    QString name; // lower case
    QList<ScenarioArgument> args;
    QStringList block; // the contents of the ">" lines that follow
};

struct Script {
    std::vector<ScenarioCommand> commands;
    int lineCount = 0;
};

// Why a script cannot be run; the host prints it and ends with status 2.
struct ScenarioParseError {
    int line = 0;
    QString reason;
};

} // namespace scenario
