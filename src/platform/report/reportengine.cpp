// Log-on and opening report files.
#include "reportengine.h"

#include "datasources.h"
#include "reportfailure.h"
#include "reportfiles.h"

namespace report {

ReportEngine::ReportEngine(ado::ConnectionPtr sessionDatabase) : session_(std::move(sessionDatabase)) {}

void ReportEngine::logOnServer(const QString& driver, const QString& dataSource, const QString& database,
                               const QString& user) {
    connection_.reset();
    ado::ConnectionPtr connection = session_;
    if (const std::optional<QString> configured = DataSources::configured(dataSource)) {
        connection = ado::Connection::create();
        connection->open(*configured);
    }
    if (!connection || !connection->isOpen())
        throw failure(core::err::DbFailure, QStringLiteral("Log-on to %1 (%2, database %3, user %4) failed: "
                                                           "the database is not open")
                                                .arg(dataSource, driver, database, user));
    connection_ = std::move(connection);
}

std::unique_ptr<Report> ReportEngine::openReport(const QString& fileName) {
    if (!connection_)
        throw failure(core::err::InvalidCall,
                      QStringLiteral("The report engine is not logged on to a data source"));
    const QString path = ReportFiles::locate(fileName);
    return std::make_unique<Report>(ReportFiles::displayName(fileName), path, ReportFiles::load(path),
                                    connection_, functions_);
}

void ReportEngine::defineFunction(const QString& name, ReportFunction function) {
    functions_[name.toLower()] = std::move(function);
}

} // namespace report
