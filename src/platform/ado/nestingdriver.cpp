// The module's nested transactions as savepoints of the engine's one.
#include "nestingdriver.h"

#include "adoerror.h"

namespace ado {

namespace {

// The savepoint that holds nesting level `level`.
QString savepointName(int level) {
    return QStringLiteral("ado_level_%1").arg(level);
}

} // namespace

void NestingDriver::begin() {
    if (level_ == 0)
        beginTransaction();
    else
        runSavepointStatement(QStringLiteral("SAVEPOINT ") + savepointName(level_));
    ++level_;
}

void NestingDriver::requireTransaction() const {
    if (level_ == 0)
        throw core::RuntimeError(err::NoTransaction, QLatin1String(err::NoTransactionText), name());
}

void NestingDriver::commit() {
    requireTransaction();
    if (transactionFailed())
        throw core::RuntimeError(
            core::err::DbFailure,
            QStringLiteral("The transaction was rolled back after an error; nothing was committed."), name());
    if (level_ == 1)
        commitTransaction();
    else
        runSavepointStatement(QStringLiteral("RELEASE SAVEPOINT ") + savepointName(level_ - 1));
    --level_;
}

void NestingDriver::rollback() {
    requireTransaction();
    if (level_ == 1)
        rollbackTransaction();
    else
        rollbackToSavepoint(savepointName(level_ - 1));
    --level_;
}

void NestingDriver::rollbackToSavepoint(const QString& name) {
    runSavepointStatement(QStringLiteral("ROLLBACK TO SAVEPOINT ") + name);
    runSavepointStatement(QStringLiteral("RELEASE SAVEPOINT ") + name);
}

} // namespace ado
