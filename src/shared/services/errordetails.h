// The error log: every trapped error goes to the database, a log file, and the user.
#pragma once

#include "servicesinterfaces.h"

#include <functional>

namespace suite {

struct ErrorRecord {
    QString moduleName;
    QString userName;
    QString procedureName;
    qint64 number = 0;
    QString source;
    QString description;
    QString mode;
};

// How the user is told of an error: a message box in the GUI, a transcript line in a scenario.
using ErrorNotifier = std::function<void(const ErrorRecord&)>;
void setErrorNotifier(ErrorNotifier notifier);

class DatabaseErrorDetails : public ErrorDetails {
public:
    bool ErrorTrack(const QString& moduleName, const QString& userName, const QString& procedureName,
                    qint64 errorNumber, const QString& errorSource, const QString& errorDescription,
                    const QString& mode, bool showMessage) override;

private:
    // Both stores are best effort: a broken connection must not hide the error it caused.
    void storeInDatabase(const ErrorRecord& record);
    static void appendToLogFile(const ErrorRecord& record);
};

// The text a message box shows for an error.
QString errorMessageText(const ErrorRecord& record);

} // namespace suite
