// Reading argument values.
#include "argumentvalues.h"

#include "platform/forms/control.h"
#include "platform/forms/userinput.h"

#include <QRegularExpression>
#include <map>

namespace scenario {
namespace {

bool isName(const QString& text) {
    static const QRegularExpression name(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return name.match(text).hasMatch();
}

const std::map<QString, KeyStroke>& namedKeys() {
    using namespace forms::keys;
    static const std::map<QString, KeyStroke> keys = {
        {QStringLiteral("ENTER"), {Enter, forms::NoShift, std::nullopt, false}},
        {QStringLiteral("TAB"), {Tab, forms::NoShift, std::nullopt, false}},
        {QStringLiteral("SHIFT+TAB"), {Tab, forms::ShiftMask, std::nullopt, false}},
        {QStringLiteral("ESC"), {Escape, forms::NoShift, std::nullopt, false}},
        {QStringLiteral("DELETE"), {Delete, forms::NoShift, std::nullopt, false}},
        {QStringLiteral("F10"), {F10, forms::NoShift, std::nullopt, false}},
        {QStringLiteral("BACKSPACE"), {Backspace, forms::NoShift, std::nullopt, false}},
        {QStringLiteral("CTRL+C"), {'C', forms::CtrlMask, CtrlC, false}},
        {QStringLiteral("CTRL+D"), {'D', forms::CtrlMask, CtrlD, false}},
        {QStringLiteral("CTRL+ENTER"), {Enter, forms::CtrlMask, CtrlEnter, false}},
    };
    return keys;
}

const std::map<QString, forms::MsgResult>& buttons() {
    static const std::map<QString, forms::MsgResult> names = {
        {QStringLiteral("OK"), forms::MsgResult::OK},
        {QStringLiteral("CANCEL"), forms::MsgResult::Cancel},
        {QStringLiteral("YES"), forms::MsgResult::Yes},
        {QStringLiteral("NO"), forms::MsgResult::No}};
    return names;
}

} // namespace

std::optional<int> ArgumentValues::integer(const ScenarioArgument& argument) {
    bool ok = false;
    const int value = argument.text.toInt(&ok);
    if (!ok || argument.quoted || argument.text.startsWith(u'+')) return std::nullopt;
    return value;
}

std::optional<int> ArgumentValues::itemNumber(const ScenarioArgument& argument) {
    if (argument.quoted || !argument.text.startsWith(u'#')) return std::nullopt;
    std::optional<int> number = integer({argument.text.mid(1), false});
    if (number && *number < 0) return std::nullopt;
    return number;
}

std::optional<QDate> ArgumentValues::isoDate(const ScenarioArgument& argument) {
    static const QRegularExpression shape(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    if (!shape.match(argument.text).hasMatch()) return std::nullopt;
    const QDate date = QDate::fromString(argument.text, Qt::ISODate);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

std::optional<ControlName> ArgumentValues::control(const ScenarioArgument& argument) {
    const QStringList parts = argument.text.split(u'.');
    if (parts.size() != 2 || !isName(parts[0]) || !isName(parts[1])) return std::nullopt;
    return ControlName{parts[0], parts[1]};
}

std::optional<ControlName> ArgumentValues::window(const ScenarioArgument& argument) {
    if (!isName(argument.text)) return std::nullopt;
    return ControlName{argument.text, QString()};
}

std::optional<ControlName> ArgumentValues::windowOrControl(const ScenarioArgument& argument) {
    std::optional<ControlName> name = control(argument);
    return name ? name : window(argument);
}

std::optional<PropertyName> ArgumentValues::property(const ScenarioArgument& argument) {
    static const QRegularExpression shape(QStringLiteral("^([A-Za-z]+)(?:\\((-?\\d+(?:,-?\\d+)*)\\))?$"));
    const QRegularExpressionMatch match = shape.match(argument.text);
    if (argument.quoted || !match.hasMatch()) return std::nullopt;
    PropertyName property{match.captured(1).toLower(), {}};
    if (match.hasCaptured(2))
        for (const QString& number : match.captured(2).split(u','))
            property.args << number.toInt();
    return property;
}

std::optional<KeyStroke> ArgumentValues::key(const QList<ScenarioArgument>& args, qsizetype from) {
    if (from >= args.size() || args[from].quoted) return std::nullopt;
    const QString word = args[from].text.toUpper();
    if (word == u"CODE" || word == u"CHAR") {
        if (from + 2 != args.size()) return std::nullopt;
        const std::optional<int> number = integer(args[from + 1]);
        if (!number || *number < 0 || *number > 0xFFFF) return std::nullopt;
        return word == u"CODE" ? KeyStroke{*number, forms::NoShift, std::nullopt, false}
                               : KeyStroke{0, forms::NoShift, *number, true};
    }
    const auto found = namedKeys().find(word);
    if (found == namedKeys().end() || from + 1 != args.size()) return std::nullopt;
    return found->second;
}

std::optional<forms::MsgResult> ArgumentValues::button(const ScenarioArgument& argument) {
    const auto found = buttons().find(argument.text.toUpper());
    if (argument.quoted || found == buttons().end()) return std::nullopt;
    return found->second;
}

QString ArgumentValues::buttonName(forms::MsgResult result) {
    switch (result) {
    case forms::MsgResult::OK:
        return QStringLiteral("OK");
    case forms::MsgResult::Cancel:
        return QStringLiteral("Cancel");
    case forms::MsgResult::Yes:
        return QStringLiteral("Yes");
    case forms::MsgResult::No:
        return QStringLiteral("No");
    }
    return QString();
}

} // namespace scenario
