// Conversion of Designer property elements (<string>, <enum>, <rect>, ...) to property values.
#include "uiproperty.h"

#include <QFont>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QObject>
#include <QRect>
#include <QSizePolicy>

namespace qtview {

namespace {

int childInt(const QDomElement& parent, const QString& name) {
    return parent.firstChildElement(name).text().toInt();
}

// Designer writes scoped names ("Qt::AlignRight", "QFrame::StyledPanel"); the meta enum wants the key.
QByteArray unscoped(const QString& name) {
    const qsizetype scope = name.lastIndexOf(QLatin1String("::"));
    return (scope < 0 ? name : name.mid(scope + 2)).trimmed().toLatin1();
}

QVariant enumValue(const QMetaProperty& target, const QString& text) {
    if (!target.isValid() || !target.isEnumType()) return text;
    const QMetaEnum meta = target.enumerator();
    int value = 0;
    for (const QString& part : text.split(QLatin1Char('|'))) {
        bool ok = false;
        value |= meta.keyToValue(unscoped(part).constData(), &ok);
        if (!ok) return {};
    }
    return value;
}

QSizePolicy sizePolicy(const QDomElement& element, const QMetaEnum& policies) {
    auto policy = [&](const char* attribute) {
        return QSizePolicy::Policy(policies.keyToValue(element.attribute(attribute).toLatin1().constData()));
    };
    QSizePolicy result(policy("hsizetype"), policy("vsizetype"));
    result.setHorizontalStretch(childInt(element, QStringLiteral("horstretch")));
    result.setVerticalStretch(childInt(element, QStringLiteral("verstretch")));
    return result;
}

QFont font(const QObject& object, const QDomElement& element) {
    QFont result = object.property("font").value<QFont>();
    if (const QDomElement family = element.firstChildElement(QStringLiteral("family")); !family.isNull())
        result.setFamily(family.text());
    if (const QDomElement size = element.firstChildElement(QStringLiteral("pointsize")); !size.isNull())
        result.setPointSize(size.text().toInt());
    if (const QDomElement bold = element.firstChildElement(QStringLiteral("bold")); !bold.isNull())
        result.setBold(bold.text() == QLatin1String("true"));
    return result;
}

QVariant valueOf(const QObject& object, const QMetaProperty& target, const QDomElement& value) {
    const QString kind = value.tagName();
    const QString text = value.text();
    if (kind == QLatin1String("string") || kind == QLatin1String("cstring")) return text;
    if (kind == QLatin1String("bool")) return text == QLatin1String("true");
    if (kind == QLatin1String("number")) return text.toInt();
    if (kind == QLatin1String("double")) return text.toDouble();
    if (kind == QLatin1String("enum") || kind == QLatin1String("set")) return enumValue(target, text);
    if (kind == QLatin1String("rect"))
        return QRect(childInt(value, QStringLiteral("x")), childInt(value, QStringLiteral("y")),
                     childInt(value, QStringLiteral("width")), childInt(value, QStringLiteral("height")));
    if (kind == QLatin1String("size"))
        return QSize(childInt(value, QStringLiteral("width")), childInt(value, QStringLiteral("height")));
    if (kind == QLatin1String("sizepolicy"))
        return sizePolicy(value, QMetaEnum::fromType<QSizePolicy::Policy>());
    if (kind == QLatin1String("font")) return font(object, value);
    return {};
}

} // namespace

QVariant uiPropertyValue(const QObject& object, const QDomElement& property) {
    const QByteArray name = property.attribute(QStringLiteral("name")).toLatin1();
    const QMetaObject& meta = *object.metaObject();
    return valueOf(object, meta.property(meta.indexOfProperty(name.constData())),
                   property.firstChildElement());
}

void applyUiProperty(QObject& object, const QDomElement& property) {
    const QVariant value = uiPropertyValue(object, property);
    if (value.isValid())
        object.setProperty(property.attribute(QStringLiteral("name")).toLatin1().constData(), value);
}

} // namespace qtview
