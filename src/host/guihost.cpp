// GUI mode of the host.
#include "guihost.h"

#include "componentclient.h"
#include "databasetarget.h"
#include "db/databasefile.h"
#include "db/schemaupgrade.h"
#include "db/shopdatabase.h"
#include "shared/userfolder.h"

#include "k8tr4072.h"
#include "platform/core/runtimeerror.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <iostream>

namespace host {

namespace {

// On a screen nobody sees the box would wait forever; the message goes to stderr as well.
int failure(const QString& message) {
    std::cerr << "receipts-host: " << message.toStdString() << "\n";
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        QMessageBox::critical(nullptr, QStringLiteral("Receipts"), message);
    return 1;
}

// The menu entry starts the host without options: its first start says what it made and where, and how to
// name another database. Offscreen, where nobody sees a box, the message only goes to stderr.
void tellDemoCreated(const QString& database) {
    const QString message =
        QStringLiteral(
            "This first start set up the demo shop, with sample customers and receipts, in a new "
            "database:\n%1\nwith the counter's settings beside it in shopsetting.txt.\n\n"
            "The register opens on it whenever no database is named. To open another shop "
            "database, start receipts-host with --database PATH (an SQLite file) or --database and "
            "a connection string (Driver=postgres;...); receipts-host --help lists the options.")
            .arg(database);
    std::cerr << "receipts-host: " << message.toStdString() << "\n";
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        QMessageBox::information(nullptr, QStringLiteral("Receipts"), message);
}

// The component opens its own connection; the host's only creates the demo file in the application folder
// on a first run, and checks that the database holds the shop's tables. A database named on the command line
// is never created: a mistyped path would take the shop's receipts into a new file.
bool databaseReady(const DatabaseTarget& target) {
    try {
        // The host's own file, made by an earlier version, is brought up to date as the host would make it.
        if (target.isDefault()) {
            const bool firstStart = !QFileInfo::exists(target.name());
            db::upgradeDatabase(db::DatabaseFile::openOrCreateDemo(target.name()));
            if (firstStart) tellDemoCreated(target.name());
            return true;
        }
        if (target.isFile() && !QFileInfo::exists(target.name())) {
            failure(QStringLiteral("The shop database %1 does not exist; --create-demo sets up the demo shop "
                                   "in a new one.")
                        .arg(target.name()));
            return false;
        }
        ado::ConnectionPtr connection = ado::Connection::create();
        connection->open(target.connectionString());
        if (db::hasSchema(connection)) return true;
        failure(QStringLiteral("The database %1 holds no shop database; --create-demo sets up the demo shop.")
                    .arg(target.name()));
    } catch (const core::RuntimeError& error) {
        failure(QStringLiteral("The shop database %1 cannot be opened:\n%2")
                    .arg(target.name(), error.description()));
    }
    return false;
}

} // namespace

int GuiHost::run(const HostOptions& options) {
    const QString folder = shared::UserFolder::prepare(options.folder);
    const DatabaseTarget database = DatabaseTarget::of(options.database, folder);
    if (!databaseReady(database)) return 1;
    qputenv(K8TR4072_FOLDER_ENV, QFile::encodeName(folder));
    try {
        ComponentClient::ensureRegistered(ComponentClient::ownLibrary(options.component));
        ComponentClient::show(options.session, database.connectionString());
    } catch (const ComponentError& error) {
        return failure(QStringLiteral("The receipts component cannot be shown:\n%1").arg(error.what()));
    }
    return 0;
}

} // namespace host
