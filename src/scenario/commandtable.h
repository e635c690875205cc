// The scenario commands, each named once: the shape of its arguments, its ">" block, when it may run
// and what it does.
#pragma once

#include "scenariocommand.h"

namespace scenario {

class Expectations;
class ScenarioRunner;
class ScenarioSetup;
class UserActions;

// Whether ">" lines may follow a command, and whether escapes count in them.
enum class BlockKind { None, Plain, Escaped };

// When a command may run, beyond what its own action checks.
enum class CommandMoment {
    Anytime,
    // Replaced while parsing by the commands it brings in: it never runs.
    WhileParsing,
    // Changes the session: only while no window is open.
    NoWindowOpen,
    // Acts on a window as the user would: not while a pop-up menu waits for its choice.
    NoPopupOpen,
};

// What the commands act through while a scenario runs.
struct CommandPerformers {
    ScenarioRunner& runner;
    ScenarioSetup& setup;
    UserActions& user;
    Expectations& expectations;
};

struct CommandDefinition {
    QStringView name;
    // Throws ScenarioParseError when the arguments do not fit.
    void (*check)(const ScenarioCommand& command);
    void (*run)(const CommandPerformers& performers, const ScenarioCommand& command);
    CommandMoment moment = CommandMoment::Anytime;
    BlockKind (*block)(const ScenarioCommand& command) = nullptr;

    BlockKind blockOf(const ScenarioCommand& command) const {
        return block ? block(command) : BlockKind::None;
    }
};

class CommandTable {
public:
    // The definition of a parsed command's name.
    static const CommandDefinition& definition(const ScenarioCommand& command);
    // The definition after checking the command's arguments; throws ScenarioParseError when the
    // command is unknown or its arguments do not fit.
    static const CommandDefinition& checked(const ScenarioCommand& command);
    // Whether the script chooses its own database instead of the one it is handed.
    static bool choosesDatabase(const Script& script);
};

} // namespace scenario
