// Errors of the data access objects themselves (not of an engine), as the runtime numbers them.
#pragma once

#include "platform/core/runtimeerror.h"

#include <optional>

namespace ado {

namespace err {
constexpr qint64 BadArguments = 3001;
constexpr qint64 NotUpdatable = 3251;
constexpr qint64 ObjectOpen = 3705;
constexpr qint64 ProviderNotFound = 3706;
constexpr qint64 ConnectionUnusable = 3709;
// A commit or rollback without a transaction, as every driver reports it.
constexpr qint64 NoTransaction = -2147168242;
inline constexpr const char* NoTransactionText = "No transaction is active.";
} // namespace err

// The error with its standard description (the runtime's own numbers included).
core::RuntimeError adoError(qint64 number);

// The failure of a connection whose line to the server broke, `cause` as the engine or the network told it
// (error DbFailure).
core::RuntimeError unreachableServer(const QString& cause, const QString& source);
// The cause named by the description of an unreachableServer failure; nothing for any other error.
std::optional<QString> unreachableCause(const QString& description);

} // namespace ado
