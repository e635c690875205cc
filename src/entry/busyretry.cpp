// Saving a new receipt while other counters save: attempts again while the database is busy.
#include "frmreceiptshop.h"

#include "platform/core/runtimeerror.h"
#include "platform/forms/runtime.h"

#include <QElapsedTimer>

namespace entry {

namespace {

const QString BusyMessage =
    QStringLiteral("The receipt could not be saved: the database is busy. Try again.");

// Another counter's save holds the lock for a moment only; a save that still finds it taken after this
// many further attempts, or after the time its connection waits for a lock, gives up.
constexpr int BusyRetries = 3;

} // namespace

// Every attempt runs in a transaction of its own that a busy database rolls back whole, so a later
// attempt starts from nothing stored.
std::optional<frmReceiptShop::SaveRefusal> frmReceiptShop::storeNewReceipt() {
    forms::HourglassPointer hourglass;
    const qint64 lockWaitMilliseconds = qint64(adocon()->lockTimeout()) * 1000;
    QElapsedTimer sinceFirstAttempt;
    sinceFirstAttempt.start();
    for (int retry = 0;; ++retry) {
        try {
            return storeReceiptOnce();
        } catch (const core::RuntimeError& error) {
            if (error.number() != core::err::DbTimeout) throw;
            if (retry == BusyRetries || sinceFirstAttempt.elapsed() >= lockWaitMilliseconds)
                return SaveRefusal{BusyMessage};
        }
    }
}

} // namespace entry
