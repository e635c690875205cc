// The central error reporter and the trap every handler runs its body in.
#pragma once

#include "platform/core/runtimeerror.h"

#include <QString>
#include <exception>
#include <optional>
#include <utility>

namespace shared {

// The number formed by the last five characters of the decimal text: -2147217900 gives 17900.
qint64 shortenErrorNumber(qint64 number);

void ReportError(const QString& moduleName, qint32 userId, const QString& procedureName, qint64 errorNumber,
                 const QString& errorSource, const QString& errorDescription, const QString& mode);

// Reports an error under the session's user and entry mode.
void reportTrapped(const QString& moduleName, const QString& procedureName, const core::RuntimeError& error);

// Records a matter the work went on past in the error log, under the session's user and entry mode,
// without telling the user.
void logWithoutMessage(const QString& moduleName, const QString& procedureName, qint64 errorNumber,
                       const QString& description);

// Runs a handler's body. A run-time error ends the body and is reported under the window's (or the
// shared module's) name and the procedure's name text, exactly as given. Transactions begun in
// the body are rolled back by their guards before the report. Returns the error that ended the body,
// nothing when it completed.
template <class Body>
std::optional<core::RuntimeError> trappedFailure(const QString& moduleName, const QString& procedureName,
                                                 Body&& body) {
    try {
        body();
        return std::nullopt;
    } catch (const core::RuntimeError& error) {
        reportTrapped(moduleName, procedureName, error);
        return error;
    } catch (const std::exception& error) {
        const core::RuntimeError failure(core::err::InvalidCall, QString::fromLocal8Bit(error.what()));
        reportTrapped(moduleName, procedureName, failure);
        return failure;
    }
}

// trappedFailure; returns whether the body completed.
template <class Body> bool trapped(const QString& moduleName, const QString& procedureName, Body&& body) {
    return !trappedFailure(moduleName, procedureName, std::forward<Body>(body));
}

} // namespace shared
