// Acting on controls through the runtime's user actions.
#include "useractions.h"

#include "argumentvalues.h"
#include "localeforms.h"
#include "scenarioabort.h"
#include "windowregistry.h"

#include "platform/forms/combobox.h"
#include "platform/forms/datepicker.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/forms/listview.h"
#include "platform/forms/tabcontrol.h"
#include "platform/forms/textcontrols.h"
#include "platform/forms/userinput.h"

namespace scenario {
namespace {

int number(const ScenarioCommand& command, qsizetype index) {
    return *ArgumentValues::integer(command.args[index]);
}

template <class Kind> constexpr forms::ControlKind kindOf();
template <> constexpr forms::ControlKind kindOf<forms::TextBox>() {
    return forms::ControlKind::TextBox;
}
template <> constexpr forms::ControlKind kindOf<forms::ComboBox>() {
    return forms::ControlKind::ComboBox;
}
template <> constexpr forms::ControlKind kindOf<forms::DatePicker>() {
    return forms::ControlKind::DatePicker;
}
template <> constexpr forms::ControlKind kindOf<forms::ListView>() {
    return forms::ControlKind::ListView;
}
template <> constexpr forms::ControlKind kindOf<forms::Grid>() {
    return forms::ControlKind::Grid;
}
template <> constexpr forms::ControlKind kindOf<forms::TabControl>() {
    return forms::ControlKind::TabControl;
}

} // namespace

forms::Control& UserActions::target(const ScenarioCommand& command) const {
    const ControlName name = *ArgumentValues::control(command.args[0]);
    return windows_.actOn(name.window, name.control, command.line);
}

template <class Kind> Kind& UserActions::as(const ScenarioCommand& command, const char* what) const {
    forms::Control& control = target(command);
    if (control.kind() != kindOf<Kind>())
        throw ScenarioAbort{command.line,
                            QStringLiteral("%1 is not %2").arg(command.args[0].text, QLatin1String(what))};
    return static_cast<Kind&>(control);
}

void UserActions::click(const ScenarioCommand& command) {
    input_.click(target(command));
}

void UserActions::type(const ScenarioCommand& command) {
    input_.type(target(command), forms_.inText(command.args[1].text));
}

void UserActions::clear(const ScenarioCommand& command) {
    input_.clear(as<forms::TextBox>(command, "a text box"));
}

void UserActions::paste(const ScenarioCommand& command) {
    input_.paste(as<forms::TextBox>(command, "a text box"), forms_.inText(command.args[1].text));
}

void UserActions::focus(const ScenarioCommand& command) {
    input_.focus(target(command));
}

void UserActions::pickDate(const ScenarioCommand& command) {
    input_.pickDate(as<forms::DatePicker>(command, "a date picker"),
                    *ArgumentValues::isoDate(command.args[1]));
}

void UserActions::chooseTab(const ScenarioCommand& command) {
    input_.chooseTab(as<forms::TabControl>(command, "a tab control"), number(command, 1));
}

void UserActions::clickItem(const ScenarioCommand& command) {
    input_.clickItem(as<forms::ListView>(command, "a list view"), number(command, 1));
}

void UserActions::rightClickItem(const ScenarioCommand& command) {
    input_.rightClickItem(as<forms::ListView>(command, "a list view"), number(command, 1));
}

void UserActions::clickCell(const ScenarioCommand& command) {
    input_.clickCell(as<forms::Grid>(command, "a grid"), number(command, 1), number(command, 2));
}

void UserActions::dragRows(const ScenarioCommand& command) {
    input_.dragRows(as<forms::Grid>(command, "a grid"), number(command, 1), number(command, 2));
}

void UserActions::select(const ScenarioCommand& command) {
    auto& combo = as<forms::ComboBox>(command, "a combo box");
    const ScenarioArgument& item = command.args[1];
    int index = -1;
    if (std::optional<int> position = ArgumentValues::itemNumber(item)) {
        index = *position;
    } else if (!item.isWord(u"none")) {
        const QString text = forms_.inText(item.text);
        for (index = 0; index < combo.listCount() && combo.list(index) != text; ++index) {
        }
        if (index == combo.listCount())
            throw ScenarioAbort{command.line,
                                QStringLiteral("%1 has no item \"%2\"").arg(command.args[0].text, item.text)};
    }
    input_.select(combo, index);
}

void UserActions::key(const ScenarioCommand& command) {
    const KeyStroke stroke = *ArgumentValues::key(command.args, 1);
    forms::Control& control = target(command);
    if (stroke.typed)
        input_.typeCharacter(control, *stroke.character);
    else
        input_.pressKey(control, stroke.keyCode, stroke.shift, stroke.character);
}

// A list view's item N, or a grid's data row N (counted from 1 below the fixed rows).
void UserActions::doubleClick(const ScenarioCommand& command) {
    forms::Control& control = target(command);
    const int n = number(command, 1);
    if (control.kind() == forms::ControlKind::ListView)
        return input_.doubleClickItem(static_cast<forms::ListView&>(control), n);
    if (control.kind() != forms::ControlKind::Grid)
        throw ScenarioAbort{command.line,
                            command.args[0].text + QStringLiteral(" is not a list view or a grid")};
    auto& grid = static_cast<forms::Grid&>(control);
    input_.doubleClickRow(grid, grid.fixedRows() + n - 1);
}

void UserActions::hover(const ScenarioCommand& command) {
    if (command.args.size() == 1) return input_.hover(target(command));
    input_.hoverCell(as<forms::Grid>(command, "a grid"), number(command, 1), number(command, 2));
}

void UserActions::close(const ScenarioCommand& command) {
    input_.closeWindow(windows_.activeWindow(command.args[0].text, command.line));
}

} // namespace scenario
