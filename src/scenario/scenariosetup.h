// The setting-up commands of a scenario: database, session values, files in the folder, SQL.
#pragma once

#include "scenariocommand.h"
#include "sessionvalues.h"

#include "platform/ado/connection.h"

namespace scenario {

class LocaleForms;
class Transcript;

class ScenarioSetup {
public:
    // The values queries give are told as the scenario writes them.
    ScenarioSetup(Transcript& transcript, const SessionValues& session, const QString& database,
                  const QString& folder, const LocaleForms& forms);

    void database(const ScenarioCommand& command);
    void session(const ScenarioCommand& command);
    void file(const ScenarioCommand& command);
    void sql(const ScenarioCommand& command);

    // The scenario's database; without a database command, the host's database.
    const ado::ConnectionPtr& connection();
    const SessionValues& values() const { return values_; }
    QString inFolder(const QString& name) const;
    // The first column of the query's first row as text; empty for no row or null.
    QString firstValue(const QString& query);

private:
    // A new database for `database empty|demo`: on the test server when one is named, else a file.
    ado::ConnectionPtr freshDatabase(bool withDemo) const;
    // The host's database: a file, made with the demo shop when missing, or the database a connection
    // string naming its driver opens.
    ado::ConnectionPtr hostDatabase() const;

    Transcript& transcript_;
    const LocaleForms& forms_;
    QString folder_;
    QString defaultDatabase_;
    SessionValues values_;
    ado::ConnectionPtr connection_;
};

} // namespace scenario
