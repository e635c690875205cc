// Records trapped errors in aErrorLog and errors.log and tells the user.
#include "errordetails.h"

#include "platform/ado/adoerror.h"
#include "platform/ado/recordset.h"
#include "platform/core/runtimeerror.h"
#include "platform/forms/runtime.h"
#include "platform/os/applicationfolder.h"

#include <QFile>
#include <QTextStream>

namespace suite {
namespace {

ErrorNotifier& notifier() {
    static ErrorNotifier current = [](const ErrorRecord& record) {
        forms::Runtime::msgBox(errorMessageText(record), forms::MsgButtons::OK, forms::MsgIcon::Critical);
    };
    return current;
}

// A database that cannot be reached fails whatever else the command goes on to do: the user hears of it
// once a command, and the failures after it go to the log only.
bool worthTelling(const ErrorRecord& record) {
    static std::optional<quint64> unreachableToldIn;
    if (!ado::unreachableCause(record.description)) return true;
    if (unreachableToldIn == forms::Runtime::command()) return false;
    unreachableToldIn = forms::Runtime::command();
    return true;
}

} // namespace

void setErrorNotifier(ErrorNotifier newNotifier) {
    notifier() = std::move(newNotifier);
}

// The cashier is told what happened and what to do; the procedure and the number are for the log.
QString errorMessageText(const ErrorRecord& record) {
    if (const std::optional<QString> cause = ado::unreachableCause(record.description))
        return QStringLiteral("The shop database cannot be reached, so what you asked for was not done.\n"
                              "Check the network, or ask whoever looks after the shop database server; try "
                              "again when it is back.\n(%1)")
            .arg(*cause);
    return QStringLiteral("Error %1 in %2 (%3):\n%4")
        .arg(record.number)
        .arg(record.procedureName.trimmed(), record.moduleName, record.description);
}

bool DatabaseErrorDetails::ErrorTrack(const QString& moduleName, const QString& userName,
                                      const QString& procedureName, qint64 errorNumber,
                                      const QString& errorSource, const QString& errorDescription,
                                      const QString& mode, bool showMessage) {
    const ErrorRecord record{moduleName,  userName,         procedureName, errorNumber,
                             errorSource, errorDescription, mode};
    storeInDatabase(record);
    appendToLogFile(record);
    if (showMessage && notifier() && worthTelling(record)) notifier()(record);
    return true;
}

void DatabaseErrorDetails::storeInDatabase(const ErrorRecord& record) {
    if (!adocon || !adocon->isOpen()) return;
    try {
        ado::Recordset rs;
        rs.open(QStringLiteral("select * from aErrorLog where 1=0"), adocon);
        rs.addNew();
        rs.setField(QStringLiteral("logtime"), QDateTime::currentDateTime());
        rs.setField(QStringLiteral("modulename"), record.moduleName);
        rs.setField(QStringLiteral("username"), record.userName);
        rs.setField(QStringLiteral("procedurename"), record.procedureName);
        rs.setField(QStringLiteral("errornumber"), record.number);
        rs.setField(QStringLiteral("errorsource"), record.source);
        rs.setField(QStringLiteral("errordescription"), record.description);
        rs.setField(QStringLiteral("mode"), record.mode);
        rs.update();
        rs.close();
    } catch (const core::RuntimeError&) {
        // The log file still has the error.
    }
}

void DatabaseErrorDetails::appendToLogFile(const ErrorRecord& record) {
    QFile file(os::inApplicationFolder(QStringLiteral("errors.log")));
    if (!file.open(QIODevice::Append | QIODevice::Text)) return;
    QTextStream out(&file);
    out << QDateTime::currentDateTime().toString(Qt::ISODateWithMs) << '\t' << record.moduleName << '\t'
        << record.procedureName << '\t' << record.number << '\t' << record.source << '\t'
        << record.description << '\t' << record.userName << '\t' << record.mode << '\n';
}

} // namespace suite
