// Standard descriptions of the data access objects' own errors.
#include "adoerror.h"

namespace ado {

namespace {
const QString UnreachableText = QStringLiteral("The database server cannot be reached: ");
} // namespace

core::RuntimeError adoError(qint64 number) {
    switch (number) {
    case err::BadArguments:
        return {number,
                QStringLiteral("Arguments are of the wrong type, are out of acceptable range, or are in "
                               "conflict with one another.")};
    case err::NotUpdatable:
        return {number,
                QStringLiteral("Current Recordset does not support updating. This may be a limitation "
                               "of the provider, or of the selected locktype.")};
    case err::ObjectOpen:
        return {number, QStringLiteral("Operation is not allowed when the object is open.")};
    case err::ProviderNotFound:
        return {number, QStringLiteral("Provider cannot be found. It may not be properly installed.")};
    case err::ConnectionUnusable:
        return {number,
                QStringLiteral("The connection cannot be used to perform this operation. It is either "
                               "closed or invalid in this context.")};
    default:
        return core::RuntimeError::of(number);
    }
}

core::RuntimeError unreachableServer(const QString& cause, const QString& source) {
    const QString told =
        cause.trimmed().isEmpty() ? QStringLiteral("the connection was closed") : cause.trimmed();
    return {core::err::DbFailure, UnreachableText + told, source};
}

std::optional<QString> unreachableCause(const QString& description) {
    if (!description.startsWith(UnreachableText)) return std::nullopt;
    return description.mid(UnreachableText.size());
}

} // namespace ado
