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
#include "platform/os/installedtree.h"

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

// The component opens its own connection; the host's only creates the demo file in the application folder
// on a first run, and checks that the database holds the shop's tables. A database named on the command line
// is never created: a mistyped path would take the shop's receipts into a new file.
bool databaseReady(const DatabaseTarget& target) {
    try {
        // The host's own file, made by an earlier version, is brought up to date as the host would make it.
        if (target.isDefault()) {
            db::upgradeDatabase(db::DatabaseFile::openOrCreateDemo(target.name()));
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

// The component installed with the host, or the one built with it for a host of the build tree.
QString ownComponent() {
    const QString installed = os::installedPath(QStringLiteral(K8TR4072_INSTALLED_LIBRARY));
    return installed.isEmpty() ? QStringLiteral(K8TR4072_LIBRARY) : installed;
}

} // namespace

int GuiHost::run(const HostOptions& options) {
    const QString folder = shared::UserFolder::prepare(options.folder);
    const DatabaseTarget database = DatabaseTarget::of(options.database, folder);
    if (!databaseReady(database)) return 1;
    qputenv(K8TR4072_FOLDER_ENV, QFile::encodeName(folder));
    try {
        ComponentClient::ensureRegistered(options.component.isEmpty() ? ownComponent() : options.component);
        ComponentClient::show(options.session, database.connectionString());
    } catch (const ComponentError& error) {
        return failure(QStringLiteral("The receipts component cannot be shown:\n%1").arg(error.what()));
    }
    return 0;
}

} // namespace host
