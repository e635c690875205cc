// What the controls' and the user actions' sources share: raising events, property names and texts, the
// errors of properties and indexes.
#pragma once

#include "platform/core/runtimeerror.h"

#include <QList>
#include <QString>
#include <functional>
#include <utility>

namespace forms {

// Runs a handler when the window assigned one.
template <typename... Params, typename... Args>
void fire(const std::function<void(Params...)>& handler, Args&&... args) {
    if (handler) handler(std::forward<Args>(args)...);
}

// Property names are matched as a scenario may write them, in any letter case.
inline bool named(const QString& name, QStringView key) {
    return name.compare(key, Qt::CaseInsensitive) == 0;
}

// The number in parentheses at position index of a property such as cell(R,C).
int argument(const QList<int>& args, int index);

// "name=value", one entry of a dump.
inline QString entry(const QString& name, const QString& value) {
    return name + QLatin1Char('=') + value;
}

// Colours print as the unsigned 32-bit value, so system colours read as 2147483656 and up.
inline QString colorText(int color) {
    return QString::number(quint32(color));
}

core::RuntimeError unsupportedProperty();
core::RuntimeError outOfRange();
core::RuntimeError invalidValue();

} // namespace forms
