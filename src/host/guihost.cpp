// GUI mode of the host.
#include "guihost.h"

#include "defaultsettings.h"
#include "hostdatabase.h"

#include "module/clsreceiptsshop.h"
#include "module/session.h"
#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"
#include "platform/forms/runtime.h"
#include "platform/os/applicationfolder.h"
#include "platform/os/outputevents.h"
#include "platform/qt/qtbackend.h"
#include "platform/qt/reportpreviewwindow.h"
#include "platform/qt/textviewer.h"
#include "platform/report/reportpreview.h"

#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QStandardPaths>

namespace host {

namespace {

// What the module views goes on the screen: text files in the module's viewer, reports in a preview.
void showOutputOnScreen() {
    os::OutputEvents::setTextViewed([](const QString& path) {
        qtview::showTextFile(QDir(os::applicationFolder()).absoluteFilePath(path));
    });
    report::ReportPreview::setPresenter(qtview::showReportPreview);
}

void stopShowingOutput() {
    os::OutputEvents::setTextViewed(nullptr);
    report::ReportPreview::setPresenter(nullptr);
}

} // namespace

int GuiHost::run(const HostOptions& options) {
    const QString folder = prepareFolder(options.folder);
    os::setApplicationFolder(folder);
    DefaultSettings::writeIfMissing(folder);
    applyUserLocale();
    qtview::QtBackend backend;
    forms::Runtime::setBackend(&backend);
    forms::Runtime::setApplicationName(QStringLiteral("Receipts"));
    showOutputOnScreen();
    const QString database =
        options.database.isEmpty() ? QDir(folder).filePath(QStringLiteral("receipts.db")) : options.database;
    int status = 0;
    try {
        module::clsReceiptsShop component;
        options.session.applyTo(component, HostDatabase::openOrCreateDemo(database));
        component.Show();
    } catch (const rt::RuntimeError& error) {
        QMessageBox::critical(
            nullptr, QStringLiteral("Receipts"),
            QStringLiteral("The shop database %1 cannot be opened:\n%2").arg(database, error.description()));
        status = 1;
    }
    module::session() = module::Session();
    stopShowingOutput();
    forms::Runtime::setBackend(nullptr);
    return status;
}

QString GuiHost::prepareFolder(const QString& requested) {
    const QString folder =
        requested.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) : requested;
    QDir().mkpath(folder);
    return folder;
}

// Dates and numbers as the user writes them; a two-digit year would read back in the wrong century,
// so the year is always shown in full.
void GuiHost::applyUserLocale() {
    const QLocale locale;
    QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    if (!dateFormat.contains(QStringLiteral("yyyy")))
        dateFormat.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    const QString group = locale.groupSeparator();
    rt::setRegional({dateFormat, locale.decimalPoint().at(0), group.isEmpty() ? QChar(u' ') : group.at(0)});
}

} // namespace host
