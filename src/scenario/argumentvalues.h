// The values scenario arguments stand for: numbers, dates, control names, properties, keys, buttons.
#pragma once

#include "scenariocommand.h"

#include "platform/forms/runtime.h"

#include <QDate>
#include <optional>

namespace scenario {

// WINDOW.CONTROL, or a window alone (control empty).
struct ControlName {
    QString window;
    QString control;
    QString text() const { return control.isEmpty() ? window : window + u'.' + control; }
};

// A property as a scenario writes it: name(N,M).
struct PropertyName {
    QString name;
    QList<int> args;
};

// A key as the key command names it; typed keys send one character, the others a key code.
struct KeyStroke {
    int keyCode = 0;
    int shift = 0;
    std::optional<int> character;
    bool typed = false;
};

class ArgumentValues {
public:
    static std::optional<int> integer(const ScenarioArgument& argument);
    // #N of the select command.
    static std::optional<int> itemNumber(const ScenarioArgument& argument);
    // YYYY-MM-DD.
    static std::optional<QDate> isoDate(const ScenarioArgument& argument);
    static std::optional<ControlName> control(const ScenarioArgument& argument);
    static std::optional<ControlName> window(const ScenarioArgument& argument);
    static std::optional<ControlName> windowOrControl(const ScenarioArgument& argument);
    static std::optional<PropertyName> property(const ScenarioArgument& argument);
    // ENTER, TAB, ESC, DELETE, F10, CTRL+D, CTRL+ENTER, BACKSPACE, or "code N" / "char N" from args[from].
    static std::optional<KeyStroke> key(const QList<ScenarioArgument>& args, qsizetype from);
    static std::optional<forms::MsgResult> button(const ScenarioArgument& argument);
    static QString buttonName(forms::MsgResult result);
};

} // namespace scenario
