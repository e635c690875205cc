// The run-time errors the report engine raises, with the engine named as their source.
#pragma once

#include "platform/core/runtimeerror.h"

namespace report {

inline const QString ErrorSource = QStringLiteral("Report engine");

inline core::RuntimeError failure(qint64 number, const QString& description) {
    return core::RuntimeError(number, description, ErrorSource);
}

// The runtime's text for the number with the detail after it: "File not found (reports/x.rpt)".
inline core::RuntimeError detailedFailure(qint64 number, const QString& detail) {
    return failure(number,
                   core::standardDescription(number) + QStringLiteral(" (") + detail + QLatin1Char(')'));
}

} // namespace report
