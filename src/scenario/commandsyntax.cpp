// The argument shapes of the scenario commands.
#include "commandsyntax.h"

#include "argumentvalues.h"

#include <set>

namespace scenario::syntax {
namespace {

[[noreturn]] void fail(const ScenarioCommand& command, const QString& reason) {
    throw ScenarioParseError{command.line, command.name + QStringLiteral(": ") + reason};
}

void count(const ScenarioCommand& command, qsizetype least, qsizetype most) {
    const qsizetype given = command.args.size();
    if (given >= least && given <= most) return;
    fail(command, least == most
                      ? QStringLiteral("needs %1 argument(s), not %2").arg(least).arg(given)
                      : QStringLiteral("needs %1 to %2 arguments, not %3").arg(least).arg(most).arg(given));
}

template <class Reader>
void need(const ScenarioCommand& command, qsizetype index, Reader reader, const char* what) {
    if (index >= command.args.size() || !reader(command.args[index]))
        fail(command, QStringLiteral("argument %1 must be %2").arg(index + 1).arg(QLatin1String(what)));
}

void needControl(const ScenarioCommand& c, qsizetype i) {
    need(c, i, ArgumentValues::control, "WINDOW.CONTROL");
}
void needInteger(const ScenarioCommand& c, qsizetype i) {
    need(c, i, ArgumentValues::integer, "a whole number");
}

void controlAndNumbers(const ScenarioCommand& c, qsizetype numbers) {
    count(c, 1 + numbers, 1 + numbers);
    needControl(c, 0);
    for (qsizetype i = 1; i <= numbers; ++i)
        needInteger(c, i);
}

} // namespace

void none(const ScenarioCommand& c) {
    count(c, 0, 0);
}

void single(const ScenarioCommand& c) {
    count(c, 1, 1);
}

void control(const ScenarioCommand& c) {
    controlAndNumbers(c, 0);
}

void controlAndText(const ScenarioCommand& c) {
    count(c, 2, 2);
    needControl(c, 0);
}

void controlAndNumber(const ScenarioCommand& c) {
    controlAndNumbers(c, 1);
}

void controlAndTwoNumbers(const ScenarioCommand& c) {
    controlAndNumbers(c, 2);
}

void date(const ScenarioCommand& c) {
    controlAndText(c);
    need(c, 1, ArgumentValues::isoDate, "a date written YYYY-MM-DD");
}

void database(const ScenarioCommand& c) {
    count(c, 1, 2);
    const bool builtIn = c.args[0].isWord(u"empty") || c.args[0].isWord(u"demo");
    if (builtIn && c.args.size() == 1) return;
    if (c.args[0].isWord(u"file") && c.args.size() == 2) return;
    fail(c, QStringLiteral("write database empty, database demo or database file \"PATH\""));
}

void session(const ScenarioCommand& c) {
    static const std::set<QString> numbers = {QStringLiteral("company"), QStringLiteral("shop"),
                                              QStringLiteral("user"), QStringLiteral("financial")};
    if (c.args.size() % 2) fail(c, QStringLiteral("every key needs a value"));
    for (qsizetype i = 0; i < c.args.size(); i += 2) {
        const QString key = c.args[i].text.toLower();
        if (c.args[i].quoted) fail(c, QStringLiteral("a key is a bare word"));
        if (numbers.count(key))
            needInteger(c, i + 1);
        else if (key == u"date")
            need(c, i + 1, ArgumentValues::isoDate, "a date written YYYY-MM-DD");
        else if (key != u"caption")
            fail(c, QStringLiteral("unknown key ") + c.args[i].text);
    }
}

void select(const ScenarioCommand& c) {
    controlAndText(c);
    const ScenarioArgument& item = c.args[1];
    if (!item.quoted && item.text.startsWith(u'#') && !ArgumentValues::itemNumber(item))
        fail(c, QStringLiteral("#N needs a position from 0"));
}

void key(const ScenarioCommand& c) {
    count(c, 2, 3);
    needControl(c, 0);
    if (!ArgumentValues::key(c.args, 1))
        fail(c, QStringLiteral("unknown key; use ENTER, TAB, SHIFT+TAB, ESC, DELETE, F10, CTRL+C, CTRL+D, "
                               "CTRL+ENTER, BACKSPACE, "
                               "code N or char N"));
}

void hover(const ScenarioCommand& c) {
    controlAndNumbers(c, c.args.size() == 3 ? 2 : 0);
}

void window(const ScenarioCommand& c) {
    count(c, 1, 1);
    need(c, 0, ArgumentValues::window, "a window name");
}

void answer(const ScenarioCommand& c) {
    count(c, 2, 2);
    need(c, 1, ArgumentValues::button, "OK, Yes, No or Cancel");
}

void dump(const ScenarioCommand& c) {
    count(c, 1, 1);
    need(c, 0, ArgumentValues::windowOrControl, "WINDOW or WINDOW.CONTROL");
}

void expect(const ScenarioCommand& c) {
    const ScenarioArgument first = c.args.value(0);
    if (first.isWord(u"clipboard")) return count(c, 1, 1);
    count(c, 2, 4);
    if (first.isWord(u"window")) {
        count(c, 3, 3);
        need(c, 1, ArgumentValues::window, "a window name");
        if (!c.args[2].isWord(u"open") && !c.args[2].isWord(u"closed"))
            fail(c, QStringLiteral("open or closed?"));
    } else if (first.isWord(u"sql")) {
        count(c, 3, 3);
    } else if (first.isWord(u"errors")) {
        count(c, 2, 2);
        needInteger(c, 1);
    } else if (first.isWord(u"pdf")) {
        count(c, 4, 4);
        if (!c.args[2].isWord(u"pages")) fail(c, QStringLiteral("expect pdf \"NAME\" pages N?"));
        needInteger(c, 3);
    } else if (first.isWord(u"file")) {
        if (c.args.size() > 2 && (c.args.size() != 4 || !c.args[2].isWord(u"golden")))
            fail(c, QStringLiteral("expect file \"NAME\" golden \"PATH\"?"));
    } else {
        count(c, 3, 3);
        needControl(c, 0);
        need(c, 1, ArgumentValues::property, "a property such as text or cell(R,C)");
    }
}

} // namespace scenario::syntax
