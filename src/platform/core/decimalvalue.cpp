// Decimal numbers carried in values of rows.
#include "decimalvalue.h"

namespace core {

namespace {

bool registerConversions() {
    QMetaType::registerConverter<DecimalNumber, double>(&DecimalNumber::toDouble);
    QMetaType::registerConverter<DecimalNumber, QString>(&plainText);
    return true;
}

} // namespace

QVariant decimalValue(const DecimalNumber& number) {
    static const bool registered = registerConversions();
    Q_UNUSED(registered);
    return QVariant::fromValue(number);
}

const DecimalNumber* carriedDecimal(const QVariant& value) {
    if (value.metaType() != QMetaType::fromType<DecimalNumber>()) return nullptr;
    return static_cast<const DecimalNumber*>(value.constData());
}

QString plainText(const DecimalNumber& number) {
    const std::string integer = number.integerDigits();
    QString text = number.isNegative() ? QStringLiteral("-") : QString();
    text += integer.empty() ? QStringLiteral("0") : QString::fromLatin1(integer);
    const std::string fraction = number.fractionDigits();
    if (!fraction.empty()) text += u'.' + QString::fromLatin1(fraction);
    return text;
}

} // namespace core
