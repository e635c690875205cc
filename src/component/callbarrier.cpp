// The error log's record of a failure at the component's boundary.
#include "callbarrier.h"

#include "platform/core/runtimeerror.h"
#include "shared/reporterror.h"

#include <QString>

namespace component {

void logUnexpected(const char* entryPoint, const char* what) noexcept {
    try {
        shared::logWithoutMessage(QStringLiteral("clsReceiptsShop"), QString::fromLatin1(entryPoint),
                                  core::err::InvalidCall, QString::fromLocal8Bit(what));
    } catch (...) {
        // Not even the log could take it: the error code is all the host learns.
    }
}

} // namespace component
