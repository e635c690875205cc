// Connections: the connection string, the driver behind it and the transaction calls.
#include "connection.h"

#include "adoerror.h"
#include "driver.h"
#include "platform/core/runtimeerror.h"

namespace ado {

namespace {

struct ConnectionTarget {
    QString driver;
    QString database;
};

// "Driver=NAME;Database=PATH" (keys in any letter case, in any order) or a bare path.
ConnectionTarget parseConnectionString(const QString& text) {
    if (!text.contains(u'=')) return {QString(), text.trimmed()};
    ConnectionTarget target;
    for (const QString& part : text.split(u';', Qt::SkipEmptyParts)) {
        QString key = part.section(u'=', 0, 0).trimmed().toLower();
        QString value = part.section(u'=', 1).trimmed();
        if (key == QLatin1String("driver"))
            target.driver = value;
        else if (key == QLatin1String("database") || key == QLatin1String("data source"))
            target.database = value;
    }
    return target;
}

} // namespace

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
    ConnectionTarget target = parseConnectionString(connectionString);
    std::unique_ptr<Driver> driver = createDriver(target.driver);
    if (target.database.isEmpty())
        throw core::RuntimeError(core::err::DbFailure,
                                 QStringLiteral("No database is named in the connection string."),
                                 driver->name());
    driver->setTimeout(commandTimeout_);
    driver->open(target.database);
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

void Connection::beginTrans() {
    driver().begin();
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
    return driver().execute(sql);
}

Driver& Connection::driver() const {
    if (!driver_) throw core::RuntimeError::of(core::err::ObjectClosed);
    return *driver_;
}

namespace {

QString enclosed(const QString& text, QChar mark) {
    return mark + QString(text).replace(mark, QString(2, mark)) + mark;
}

} // namespace

QString quoted(const QString& text) {
    return enclosed(text, u'\'');
}

QString quotedName(const QString& name) {
    return enclosed(name, u'"');
}

} // namespace ado
