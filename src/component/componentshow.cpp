// The two ways Show runs inside a host: a scenario without a screen, or the register on the screen.
#include "componentshow.h"

#include "platform/os/userregional.h"
#include "scenario/scenarioparser.h"
#include "scenario/scenariorunner.h"
#include "scenario/transcript.h"
#include "shared/userfolder.h"

#include "clsreceiptsshop.h"
#include "platform/core/conversions.h"
#include "platform/forms/runtime.h"
#include "platform/os/applicationfolder.h"
#include "platform/os/outputevents.h"
#include "platform/qtview/qtbackend.h"
#include "platform/qtview/reportpreviewwindow.h"
#include "platform/qtview/textviewer.h"
#include "platform/report/reportpreview.h"
#include "shared/session.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
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

scenario::SessionValues sessionOf(const component::clsReceiptsShop& object) {
    scenario::SessionValues values;
    values.companyId = object.intCompanyID;
    values.shopId = object.intShopID;
    values.userId = object.intUserID;
    values.financialId = object.intFinancialID;
    values.processDate = object.dtProcessDate.date();
    values.caption = object.strMsgboxCaption;
    return values;
}

bool namesDatabase(const scenario::Script& script) {
    return std::any_of(script.commands.begin(), script.commands.end(),
                       [](const scenario::ScenarioCommand& command) { return command.name == u"database"; });
}

// A library's Show has no command line: the scenario's own problems end up in the transcript.
int runScript(component::clsReceiptsShop& object, const QString& file, scenario::Transcript& transcript) {
    scenario::Script script;
    try {
        script = scenario::ScenarioParser::parseFile(file);
    } catch (const scenario::ScenarioParseError& error) {
        transcript.fail(error.line, error.reason);
        return 2;
    }
    QTemporaryDir folder(QDir::temp().filePath(QStringLiteral("k8tr4072-scenario-XXXXXX")));
    os::setApplicationFolder(folder.path());
    transcript.folder(os::applicationFolder());
    const ado::ConnectionPtr hostConnection = object.adocon();
    const bool ownDatabase = namesDatabase(script);
    auto show = [&](const scenario::SessionValues& values, const ado::ConnectionPtr& connection) {
        values.applyTo(object, ownDatabase ? connection : hostConnection);
        object.Show();
    };
    scenario::ScenarioRunner runner(script, transcript, sessionOf(object), QString(), os::applicationFolder(),
                                    show);
    return runner.run();
}

// What the module views goes on the screen while the register is open, even when Show fails.
class ScreenOutput {
public:
    ScreenOutput() {
        forms::Runtime::setBackend(&backend_);
        os::OutputEvents::setTextViewed([](const QString& path) {
            qtview::showTextFile(QDir(os::applicationFolder()).absoluteFilePath(path));
        });
        report::ReportPreview::setPresenter(qtview::showReportPreview);
    }
    ~ScreenOutput() {
        os::OutputEvents::setTextViewed(nullptr);
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

K8Result ComponentShow::showScenario(component::clsReceiptsShop& object, const QString& file) {
    core::setRegional({QStringLiteral("dd/MM/yyyy"), QLatin1Char('.'), QLatin1Char(',')});
    QTextStream out(stdout);
    scenario::Transcript transcript(out);
    return runScript(object, file, transcript) == 0 ? K8_S_OK : K8_E_FAIL;
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
