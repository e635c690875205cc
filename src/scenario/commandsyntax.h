// The shape of every scenario command, checked before anything runs.
#pragma once

#include "scenariocommand.h"

namespace scenario {

enum class BlockKind { None, Plain, Escaped };

class CommandSyntax {
public:
    // Throws ScenarioParseError when the command is unknown or its arguments do not fit it.
    static void check(const ScenarioCommand& command);
    // Whether ">" lines may follow the command, and whether escapes count in them.
    static BlockKind block(const ScenarioCommand& command);
};

} // namespace scenario
