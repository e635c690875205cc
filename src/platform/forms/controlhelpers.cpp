// Errors shared by the controls' properties and indexes.
#include "controlhelpers.h"

namespace forms {

namespace {
constexpr qint64 ObjectDoesNotSupport = 438;
constexpr qint64 WrongArguments = 450;
constexpr qint64 InvalidPropertyValue = 380;
} // namespace

int argument(const QList<int>& args, int index) {
    if (index >= args.size())
        throw core::RuntimeError(WrongArguments,
                                 QStringLiteral("Wrong number of arguments or invalid property assignment"));
    return args[index];
}

core::RuntimeError unsupportedProperty() {
    return core::RuntimeError(ObjectDoesNotSupport,
                              QStringLiteral("Object doesn't support this property or method"));
}

core::RuntimeError outOfRange() {
    return core::RuntimeError::of(core::err::SubscriptOutOfRange);
}

core::RuntimeError invalidValue() {
    return core::RuntimeError(InvalidPropertyValue, QStringLiteral("Invalid property value"));
}

} // namespace forms
