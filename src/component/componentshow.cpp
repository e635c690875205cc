// The two ways Show runs inside a host: a scenario without a screen, or the register on the screen.
#include "componentshow.h"

#include "clsreceiptsshop.h"
#include "platform/forms/runtime.h"
#include "platform/os/applicationfolder.h"
#include "platform/os/finishedoutput.h"
#include "platform/os/userregional.h"
#include "platform/qtview/qtbackend.h"
#include "platform/qtview/reportpreviewwindow.h"
#include "platform/qtview/textviewer.h"
#include "platform/report/reportpreview.h"
#include "shared/session.h"
#include "shared/userfolder.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <memory>

namespace component {

namespace {

std::unique_ptr<QCoreApplication>& ownApplication() {
    static std::unique_ptr<QCoreApplication> application;
    return application;
}

// A scenario shows nothing, yet reports are laid out with fonts: an offscreen screen serves it.
void ensureApplication(bool headless) {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "k8tr4072";
    static char* argv[] = {name, nullptr};
    if (headless) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        ownApplication() = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        ownApplication() = std::make_unique<QApplication>(argc, argv);
    }
}

// Set when the library is built with the scenario runner.
ComponentShow::ScenarioShow& scenarioShow() {
    static ComponentShow::ScenarioShow run;
    return run;
}

// What the module views goes on the screen while the register is open, even when Show fails.
class ScreenOutput {
public:
    ScreenOutput() {
        forms::Runtime::setBackend(&backend_);
        os::FinishedOutput::setTextViewed([](const QString& path) {
            qtview::showTextFile(QDir(os::applicationFolder()).absoluteFilePath(path));
        });
        report::ReportPreview::setPresenter(qtview::showReportPreview);
    }
    ~ScreenOutput() {
        os::FinishedOutput::setTextViewed(nullptr);
        report::ReportPreview::setPresenter(nullptr);
        forms::Runtime::setBackend(nullptr);
    }

private:
    qtview::QtBackend backend_;
};

} // namespace

K8Result ComponentShow::show(component::clsReceiptsShop& object) {
    const QString scenario = qEnvironmentVariable(K8TR4072_SCENARIO_ENV);
    ensureApplication(!scenario.isEmpty());
    forms::Runtime::setApplicationName(QStringLiteral("Receipts"));
    const K8Result result = scenario.isEmpty() ? showOnScreen(object) : showScenario(object, scenario);
    // The session's helpers hold the connection; let it go while the application still exists.
    shared::session() = shared::Session();
    return result;
}

// A library built without the scenario runner says so instead of opening a window nobody asked for.
K8Result ComponentShow::showScenario(component::clsReceiptsShop& object, const QString& file) {
    if (!scenarioShow()) {
        QTextStream(stderr) << "k8tr4072: this library runs no scenarios (" K8TR4072_SCENARIO_ENV
                               " is set); use the library built with the scenario runner\n";
        return K8_E_FAIL;
    }
    return scenarioShow()(object, file) ? K8_S_OK : K8_E_FAIL;
}

void ComponentShow::setScenarioShow(ScenarioShow run) {
    scenarioShow() = std::move(run);
}

// The host names the application folder in the environment; without it the user's data folder serves.
K8Result ComponentShow::showOnScreen(component::clsReceiptsShop& object) {
    os::setApplicationFolder(shared::UserFolder::prepare(qEnvironmentVariable(K8TR4072_FOLDER_ENV)));
    os::UserRegional::apply();
    ScreenOutput output;
    object.Show();
    return K8_S_OK;
}

void ComponentShow::releaseApplication() {
    ownApplication().reset();
}

} // namespace component
