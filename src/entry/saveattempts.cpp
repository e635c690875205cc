// Saving a new receipt while other counters save and lines break: attempts again while the database is
// busy, and finds out after a broken line whether the receipt was stored.
#include "frmreceiptshop.h"

#include "platform/core/runtimeerror.h"
#include "platform/forms/runtime.h"
#include "shared/session.h"
#include "store/savekeys.h"

#include <QElapsedTimer>

namespace entry {

namespace {

const QString BusyMessage =
    QStringLiteral("The receipt could not be saved: the database is busy. Try again.");
const QString EntryKept = QStringLiteral("; the entry is kept, try again");

// Another counter's save holds the lock for a moment only; a save that still finds it taken after this
// many further attempts, or after the time its connection waits for a lock, gives up.
constexpr int BusyRetries = 3;

} // namespace

// Every attempt runs in a transaction of its own that a busy database rolls back whole, so a later
// attempt starts from nothing stored. Each carries the entry's save key: after a broken line the key
// says whether an attempt was stored, and no second receipt is ever stored under it.
std::optional<frmReceiptShop::SaveRefusal> frmReceiptShop::storeNewReceipt() {
    forms::HourglassPointer hourglass;
    if (receipt_.saveKey.isEmpty()) receipt_.saveKey = store::newSaveKey();
    const qint64 lockWaitMilliseconds = qint64(adocon()->lockTimeout()) * 1000;
    QElapsedTimer sinceFirstAttempt;
    sinceFirstAttempt.start();
    for (int retry = 0;; ++retry) {
        try {
            if (receipt_.saveInDoubt) {
                if (const auto stored = store::receiptSavedUnder(adocon(), receipt_.saveKey))
                    return savedMeanwhile(*stored);
                receipt_.saveInDoubt = false;
            }
            return storeReceiptOnce();
        } catch (const core::RuntimeError& error) {
            if (adocon()->lost()) return outcomeAfterBrokenLine(error);
            if (error.number() != core::err::DbTimeout) throw;
            if (retry == BusyRetries || sinceFirstAttempt.elapsed() >= lockWaitMilliseconds)
                return SaveRefusal{BusyMessage};
        }
    }
}

// The line broke during the attempt, perhaps after its commit reached the server: once the server answers
// again the save key tells whether the receipt was stored. Until then the entry stays as it is, and the
// next OK asks again before it stores anything.
std::optional<frmReceiptShop::SaveRefusal>
frmReceiptShop::outcomeAfterBrokenLine(const core::RuntimeError& broke) {
    std::optional<store::ReceiptKeys> stored;
    receipt_.saveInDoubt = true;
    try {
        adocon()->reopenIfLost();
        stored = store::receiptSavedUnder(adocon(), receipt_.saveKey);
    } catch (const core::RuntimeError& unreachable) {
        return SaveRefusal{unreachable.description() + EntryKept};
    }
    receipt_.saveInDoubt = false;
    if (stored) return savedMeanwhile(*stored);
    return SaveRefusal{QStringLiteral("The receipt was not saved: ") + broke.description() + EntryKept};
}

// The receipt an earlier attempt stored: the cashier is told, and the save goes on as after any save.
std::optional<frmReceiptShop::SaveRefusal> frmReceiptShop::savedMeanwhile(const store::ReceiptKeys& stored) {
    saved_ = stored;
    forms::Runtime::msgBox(QStringLiteral("Receipt %1 was saved").arg(stored.number), forms::MsgButtons::OK,
                           forms::MsgIcon::Information, shared::session().msgboxCaption);
    return std::nullopt;
}

} // namespace entry
