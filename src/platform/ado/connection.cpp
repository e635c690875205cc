// Connections: the connection string, the driver behind it and the transaction calls.
#include "connection.h"

#include "adoerror.h"
#include "driver.h"
#include "platform/core/runtimeerror.h"

#include <QThread>

namespace ado {

ConnectionPtr Connection::create() {
    return ConnectionPtr(new Connection());
}

Connection::~Connection() {
    if (!driver_) return;
    try {
        driver_->close();
    } catch (const core::RuntimeError&) {
        // Nothing can report a failure while the connection is being released.
    }
}

void Connection::open(const QString& connectionString) {
    if (driver_) throw adoError(err::ObjectOpen);
    ConnectionString target = ConnectionString::parse(connectionString);
    std::unique_ptr<Driver> driver = createDriver(target);
    driver->setTimeout(commandTimeout_);
    driver->setLockTimeout(lockTimeout_);
    driver->open(target);
    driver_ = std::move(driver);
    connectionString_ = connectionString;
}

void Connection::close() {
    driver().close();
    driver_.reset();
}

bool Connection::isOpen() const {
    return driver_ != nullptr;
}

ObjectState Connection::state() const {
    return isOpen() ? ObjectState::Open : ObjectState::Closed;
}

void Connection::setCommandTimeout(int seconds) {
    commandTimeout_ = seconds;
    if (driver_) driver_->setTimeout(seconds);
}

void Connection::setLockTimeout(int seconds) {
    lockTimeout_ = seconds;
    if (driver_) driver_->setLockTimeout(seconds);
}

void Connection::beginTrans() {
    engine().begin();
}

void Connection::commitTrans() {
    driver().commit();
}

void Connection::rollbackTrans() {
    driver().rollback();
}

int Connection::transactionLevel() const {
    return driver_ ? driver_->transactionLevel() : 0;
}

long Connection::execute(const QString& sql) {
    return engine().execute(sql);
}

QVariantList Connection::firstValues(const QStringList& queries) {
    return engine().firstValues(queries);
}

void Connection::queryTogether(const QStringList& queries,
                               const std::function<void(qsizetype, Cursor&)>& read) {
    engine().queryTogether(queries, read);
}

void Connection::readAhead(const QStringList& queries) {
    if (transactionLevel() == 0) engine().readAhead(queries);
}

void Connection::holdAddedRows() {
    if (transactionLevel() == 0)
        throw core::RuntimeError(err::NoTransaction, QLatin1String(err::NoTransactionText));
    driver().holdAddedRows();
}

Driver& Connection::driver() const {
    if (!driver_) throw core::RuntimeError::of(core::err::ObjectClosed);
    return *driver_;
}

Driver& Connection::engine() {
    if (transactionLevel() == 0) reopenIfLost();
    return driver();
}

bool Connection::lost() const {
    return driver_ && driver_->lost();
}

// A server restarting takes a few seconds; each try may wait as long as connecting may. The statements
// that follow a failed reopening at once (the rest of one command) fail with it without trying again.
void Connection::reopenIfLost() {
    constexpr int Tries = 3;
    constexpr int PauseMilliseconds = 1000;
    constexpr qint64 TryingMilliseconds = 12000;
    constexpr qint64 RepeatedMilliseconds = 2000;
    if (!lost()) return;
    if (unreachable_ && sinceUnreachable_.elapsed() < RepeatedMilliseconds) throw *unreachable_;
    const std::shared_ptr<void> waiting = waitingSign_ ? waitingSign_() : nullptr;
    QElapsedTimer trying;
    trying.start();
    for (int tried = 1;; ++tried) {
        try {
            driver_->reopen();
            unreachable_.reset();
            return;
        } catch (const core::RuntimeError& error) {
            if (tried == Tries || trying.elapsed() >= TryingMilliseconds) {
                unreachable_ = unreachableServer(error.description(), error.source());
                sinceUnreachable_.start();
                throw *unreachable_;
            }
        }
        QThread::msleep(PauseMilliseconds);
    }
}

void Connection::wrapDriver(const std::function<std::unique_ptr<Driver>(std::unique_ptr<Driver>)>& wrap) {
    driver();
    driver_ = wrap(std::move(driver_));
}

} // namespace ado
