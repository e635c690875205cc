// Errors shared by the controls' properties and indexes.
#include "internal.h"

namespace forms {

namespace {
constexpr qint64 ObjectDoesNotSupport = 438;
constexpr qint64 WrongArguments = 450;
constexpr qint64 InvalidPropertyValue = 380;
} // namespace

int argument(const QList<int>& args, int index) {
    if (index >= args.size())
        throw rt::RuntimeError(WrongArguments,
                               QStringLiteral("Wrong number of arguments or invalid property assignment"));
    return args[index];
}

rt::RuntimeError unsupportedProperty() {
    return rt::RuntimeError(ObjectDoesNotSupport,
                            QStringLiteral("Object doesn't support this property or method"));
}

rt::RuntimeError outOfRange() {
    return rt::RuntimeError::of(rt::err::SubscriptOutOfRange);
}

rt::RuntimeError invalidValue() {
    return rt::RuntimeError(InvalidPropertyValue, QStringLiteral("Invalid property value"));
}

} // namespace forms
