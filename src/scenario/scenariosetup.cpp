// Setting up a scenario's database, session and files.
#include "scenariosetup.h"
#include "localeforms.h"

#include "argumentvalues.h"
#include "db/databasefile.h"
#include "db/serverdatabase.h"
#include "transcript.h"

#include "platform/ado/connectionstring.h"
#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace scenario {
namespace {

const QString ScenarioDatabase = QStringLiteral("scenario.db");

// The connection string of a database server on which `database empty|demo` creates the scenario's
// database instead of the SQLite file, so that the same scenarios run on that engine.
const char* const TestServerVariable = "RECEIPTS_TEST_SERVER";

bool isQuery(const QString& statement) {
    const QString start = statement.trimmed().section(u' ', 0, 0).toLower();
    return start == u"select" || start == u"with";
}

} // namespace

ScenarioSetup::ScenarioSetup(Transcript& transcript, const SessionValues& session, const QString& database,
                             const QString& folder, const LocaleForms& forms)
    : transcript_(transcript), forms_(forms), folder_(folder), values_(session) {
    defaultDatabase_ = database.isEmpty() ? inFolder(QStringLiteral("receipts.db")) : database;
}

void ScenarioSetup::database(const ScenarioCommand& command) {
    if (connection_) connection_->close();
    connection_.reset();
    const ScenarioArgument& kind = command.args[0];
    if (kind.isWord(u"file"))
        connection_ = db::DatabaseFile::openExisting(inFolder(command.args[1].text));
    else
        connection_ = freshDatabase(kind.isWord(u"demo"));
}

ado::ConnectionPtr ScenarioSetup::freshDatabase(bool withDemo) const {
    const QString server = qEnvironmentVariable(TestServerVariable);
    if (!server.isEmpty()) return db::ServerDatabase::createFresh(server, withDemo, values_.processDate);
    return db::DatabaseFile::createFresh(inFolder(ScenarioDatabase), withDemo, values_.processDate);
}

void ScenarioSetup::session(const ScenarioCommand& command) {
    for (qsizetype i = 0; i < command.args.size(); i += 2) {
        const QString key = command.args[i].text.toLower();
        const ScenarioArgument& value = command.args[i + 1];
        if (key == u"company")
            values_.companyId = *ArgumentValues::integer(value);
        else if (key == u"shop")
            values_.shopId = *ArgumentValues::integer(value);
        else if (key == u"user")
            values_.userId = *ArgumentValues::integer(value);
        else if (key == u"financial")
            values_.financialId = *ArgumentValues::integer(value);
        else if (key == u"date")
            values_.processDate = *ArgumentValues::isoDate(value);
        else
            values_.caption = value.text;
    }
}

void ScenarioSetup::file(const ScenarioCommand& command) {
    const QString path = inFolder(command.args[0].text);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QByteArray content;
    for (const QString& line : command.block)
        content += line.toLatin1() + "\r\n";
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size())
        throw core::RuntimeError(core::err::PathAccess, QStringLiteral("cannot write ") + path);
}

void ScenarioSetup::sql(const ScenarioCommand& command) {
    const QString& statement = command.args[0].text;
    if (!isQuery(statement)) {
        connection()->execute(statement);
        return;
    }
    ado::Recordset rows;
    rows.open(statement, connection(), ado::CursorType::ForwardOnly, ado::LockType::ReadOnly);
    for (; !rows.eof(); rows.moveNext()) {
        QStringList values;
        for (int i = 0; i < rows.fieldCount(); ++i)
            values << forms_.valueText(rows.field(i));
        transcript_.row(values);
    }
    rows.close();
}

const ado::ConnectionPtr& ScenarioSetup::connection() {
    if (!connection_) connection_ = hostDatabase();
    return connection_;
}

ado::ConnectionPtr ScenarioSetup::hostDatabase() const {
    if (!ado::ConnectionString::parse(defaultDatabase_).namesDriver())
        return db::DatabaseFile::openOrCreateDemo(defaultDatabase_);
    ado::ConnectionPtr connection = ado::Connection::create();
    connection->open(defaultDatabase_);
    return connection;
}

QString ScenarioSetup::inFolder(const QString& name) const {
    return QDir(folder_).filePath(name);
}

QString ScenarioSetup::firstValue(const QString& query) {
    ado::Recordset rows;
    rows.open(query, connection(), ado::CursorType::ForwardOnly, ado::LockType::ReadOnly);
    const QString value = rows.eof() ? QString() : forms_.valueText(rows.field(0));
    rows.close();
    return value;
}

} // namespace scenario
