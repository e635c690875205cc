// The scripted Qt backend, the widgets' values and the event loop between two commands.
#include "screenstage.h"

#include "platform/os/applicationfolder.h"
#include "platform/qtview/reportpreviewwindow.h"
#include "platform/qtview/screenview.h"
#include "platform/qtview/textviewer.h"
#include "platform/report/reportpreview.h"

#include <QCoreApplication>
#include <QDir>

namespace scenario {

ScreenStage::ScreenStage() {
    report::ReportPreview::setPresenter(qtview::showReportPreview);
}

ScreenStage::~ScreenStage() {
    report::ReportPreview::setPresenter(nullptr);
}

std::optional<QString> ScreenStage::shown(const forms::Control& control, const QString& property,
                                          const QList<int>& args) const {
    return qtview::shownProperty(backend_, control, property, args);
}

void ScreenStage::settle() {
    QCoreApplication::processEvents();
}

void ScreenStage::viewText(const QString& path) {
    qtview::showTextFile(QDir(os::applicationFolder()).absoluteFilePath(path));
}

} // namespace scenario
