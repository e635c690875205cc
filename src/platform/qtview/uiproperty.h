// Reads the value of one <property> element of a Designer file and applies it to an object.
#pragma once

#include <QDomElement>
#include <QVariant>

class QObject;

namespace qtview {

// The value the element carries, converted for the object's property of that name: enumeration
// and flag names become their numbers. An element of a kind the loader does not know gives an
// invalid value.
QVariant uiPropertyValue(const QObject& object, const QDomElement& property);

// Sets the property on the object; unknown names become dynamic properties, as Designer's extra
// attributes are harmless there.
void applyUiProperty(QObject& object, const QDomElement& property);

} // namespace qtview
