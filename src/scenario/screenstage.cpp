// The scripted Qt backend, the widgets' values and the event loop between two commands.
#include "screenstage.h"

#include "platform/os/applicationfolder.h"
#include "platform/qtview/platforminput.h"
#include "platform/qtview/reportpreviewwindow.h"
#include "platform/qtview/screenview.h"
#include "platform/qtview/textviewer.h"
#include "platform/report/reportpreview.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

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

QString ScreenStage::clipboardText() const {
    return QGuiApplication::clipboard()->text();
}

bool ScreenStage::savePreviewAsPdf() {
    qtview::ReportPreviewWindow* last = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* preview = dynamic_cast<qtview::ReportPreviewWindow*>(window);
            preview && preview->isVisible())
            last = preview;
    if (!last) return false;
    last->activateWindow();
    QCoreApplication::processEvents();
    qtview::platforminput::press(*last, Qt::Key_S, Qt::ControlModifier);
    return true;
}

void ScreenStage::viewText(const QString& path) {
    qtview::showTextFile(QDir(os::applicationFolder()).absoluteFilePath(path));
}

} // namespace scenario
