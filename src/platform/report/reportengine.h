// The report engine as the windows use it: log on to a data source, then open report files.
#pragma once

#include "report.h"
#include "reporttemplate.h"

#include "platform/ado/connection.h"

#include <QString>
#include <memory>

namespace report {

class ReportEngine {
public:
    // sessionDatabase: the database every data source that is not configured stands for.
    explicit ReportEngine(ado::ConnectionPtr sessionDatabase);

    // Logs on to the data source: one configured in reports/datasources.ini gets a connection of its
    // own, any other name is the session's database. The driver, database and user only name the
    // log-on in failures. Fails with the driver's error when a configured source cannot be opened,
    // and with error -2147467259 when the database is not open.
    void logOnServer(const QString& driver, const QString& dataSource, const QString& database,
                     const QString& user);

    // Opens the report file the name stands for (ReportFiles::locate) on the data source logged
    // on to. Error 5 before a log-on, or for a file that is not a report.
    std::unique_ptr<Report> openReport(const QString& fileName);

    // A function the layouts may apply to values as {{FIELD|name}}.
    void defineFunction(const QString& name, ReportFunction function);

private:
    ado::ConnectionPtr session_;
    ado::ConnectionPtr connection_;
    ReportFunctions functions_;
};

} // namespace report
