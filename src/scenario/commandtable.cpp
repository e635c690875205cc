// The table of the scenario commands.
#include "commandtable.h"

#include "commandsyntax.h"
#include "expectations.h"
#include "scenariorunner.h"
#include "scenariosetup.h"
#include "useractions.h"

#include <algorithm>
#include <iterator>

namespace scenario {
namespace {

using P = const CommandPerformers&;
using C = const ScenarioCommand&;

BlockKind plainBlock(C) {
    return BlockKind::Plain;
}

// Only the file and clipboard forms of expect take the lines they compare; a file compared with a golden file
// takes none.
BlockKind expectedFileBlock(C c) {
    const ScenarioArgument first = c.args.value(0);
    const bool fileLines = first.isWord(u"file") && c.args.size() == 2;
    return fileLines || first.isWord(u"clipboard") ? BlockKind::Escaped : BlockKind::None;
}

void chooseDatabase(P p, C c) {
    p.setup.database(c);
}

using enum CommandMoment;

const CommandDefinition Commands[] = {
    {u"database", syntax::database, chooseDatabase, NoWindowOpen},
    {u"session", syntax::session, [](P p, C c) { p.setup.session(c); }, NoWindowOpen},
    {u"locale", syntax::single, [](P p, C c) { p.runner.locale(c); }, NoWindowOpen},
    {u"file", syntax::single, [](P p, C c) { p.setup.file(c); }, Anytime, plainBlock},
    {u"include", syntax::single, nullptr, WhileParsing},
    {u"sql", syntax::single, [](P p, C c) { p.setup.sql(c); }},
    {u"show", syntax::none, [](P p, C c) { p.runner.show(c); }, NoPopupOpen},
    {u"click", syntax::control, [](P p, C c) { p.user.click(c); }, NoPopupOpen},
    {u"select", syntax::select, [](P p, C c) { p.user.select(c); }, NoPopupOpen},
    {u"type", syntax::controlAndText, [](P p, C c) { p.user.type(c); }, NoPopupOpen},
    {u"clear", syntax::control, [](P p, C c) { p.user.clear(c); }, NoPopupOpen},
    {u"paste", syntax::controlAndText, [](P p, C c) { p.user.paste(c); }, NoPopupOpen},
    {u"key", syntax::key, [](P p, C c) { p.user.key(c); }, NoPopupOpen},
    {u"focus", syntax::control, [](P p, C c) { p.user.focus(c); }, NoPopupOpen},
    {u"date", syntax::date, [](P p, C c) { p.user.pickDate(c); }, NoPopupOpen},
    {u"tab", syntax::controlAndNumber, [](P p, C c) { p.user.chooseTab(c); }, NoPopupOpen},
    {u"item", syntax::controlAndNumber, [](P p, C c) { p.user.clickItem(c); }, NoPopupOpen},
    {u"dblclick", syntax::controlAndNumber, [](P p, C c) { p.user.doubleClick(c); }, NoPopupOpen},
    {u"rightclick", syntax::controlAndNumber, [](P p, C c) { p.user.rightClickItem(c); }, NoPopupOpen},
    {u"cell", syntax::controlAndTwoNumbers, [](P p, C c) { p.user.clickCell(c); }, NoPopupOpen},
    {u"drag", syntax::controlAndTwoNumbers, [](P p, C c) { p.user.dragRows(c); }, NoPopupOpen},
    {u"hover", syntax::hover, [](P p, C c) { p.user.hover(c); }, NoPopupOpen},
    {u"menu", syntax::single, [](P p, C c) { p.runner.menu(c); }},
    {u"close", syntax::window, [](P p, C c) { p.user.close(c); }, NoPopupOpen},
    {u"answer", syntax::answer, [](P p, C c) { p.runner.answer(c); }},
    {u"savefile", syntax::single, [](P p, C c) { p.runner.saveFile(c); }},
    {u"savepdf", syntax::none, [](P p, C c) { p.runner.savePdf(c); }, NoPopupOpen},
    {u"dump", syntax::dump, [](P p, C c) { p.expectations.dump(c); }},
    {u"expect", syntax::expect, [](P p, C c) { p.expectations.expect(c); }, Anytime, expectedFileBlock},
    {u"print", syntax::single, [](P p, C c) { p.expectations.print(c); }},
};

const CommandDefinition* find(QStringView name) {
    const auto found =
        std::find_if(std::begin(Commands), std::end(Commands),
                     [name](const CommandDefinition& command) { return command.name == name; });
    return found == std::end(Commands) ? nullptr : found;
}

} // namespace

const CommandDefinition& CommandTable::definition(const ScenarioCommand& command) {
    const CommandDefinition* found = find(command.name);
    if (!found) throw ScenarioParseError{command.line, QStringLiteral("unknown command ") + command.name};
    return *found;
}

const CommandDefinition& CommandTable::checked(const ScenarioCommand& command) {
    const CommandDefinition& found = definition(command);
    found.check(command);
    return found;
}

bool CommandTable::choosesDatabase(const Script& script) {
    return std::any_of(script.commands.begin(), script.commands.end(), [](const ScenarioCommand& command) {
        return definition(command).run == chooseDatabase;
    });
}

} // namespace scenario
