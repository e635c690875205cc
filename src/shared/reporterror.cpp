// Reports trapped errors through the suite's error log.
#include "reporterror.h"

#include "session.h"
#include "shared/services/servicesinterfaces.h"

namespace shared {

qint64 shortenErrorNumber(qint64 number) {
    return QString::number(number).right(5).toLongLong();
}

// The user's name for the report; a failing look-up must not hide the error being reported.
static QString userNameForReport(qint32 userId) {
    try {
        auto commonDb =
            suite::Factory::create<suite::ClsCommonDb>(QStringLiteral("CommonModule.clscommondb"));
        commonDb->adocon = registerConnection();
        return commonDb
            ->fnreturnfield(QStringLiteral("LOUSERS where userid=") + QString::number(userId) +
                                QStringLiteral(" and shopid = ") + QString::number(session().shopId),
                            QStringLiteral("username"))
            .toString();
    } catch (const core::RuntimeError&) {
        return QString();
    }
}

static void track(const QString& moduleName, qint32 userId, const QString& procedureName, qint64 errorNumber,
                  const QString& errorSource, const QString& errorDescription, const QString& mode,
                  bool tellUser) {
    auto details = suite::Factory::create<suite::ErrorDetails>(suite::progid::ErrorDetails);
    const qint64 shortNumber = shortenErrorNumber(errorNumber);
    if (session().registerWindow) details->adocon = session().registerWindow->adocon();
    details->ErrorTrack(moduleName, userNameForReport(userId), procedureName, shortNumber, errorSource,
                        errorDescription, mode, tellUser);
}

void ReportError(const QString& moduleName, qint32 userId, const QString& procedureName, qint64 errorNumber,
                 const QString& errorSource, const QString& errorDescription, const QString& mode) {
    track(moduleName, userId, procedureName, errorNumber, errorSource, errorDescription, mode, true);
}

void logWithoutMessage(const QString& moduleName, const QString& procedureName, qint64 errorNumber,
                       const QString& description) {
    track(moduleName, session().userId, procedureName, errorNumber, core::componentName, description,
          session().EntryMode, false);
}

void reportTrapped(const QString& moduleName, const QString& procedureName, const core::RuntimeError& error) {
    ReportError(moduleName, session().userId, procedureName, error.number(), error.source(),
                error.description(), session().EntryMode);
}

} // namespace shared
