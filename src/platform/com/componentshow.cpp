// The two ways Show runs inside a host: a scenario without a screen, or the register on the screen.
#include "componentshow.h"

#include "host/scenarioparser.h"
#include "host/scenariorunner.h"
#include "host/transcript.h"
#include "host/userfolder.h"
#include "host/userregional.h"

#include "module/clsreceiptsshop.h"
#include "module/session.h"
#include "platform/core/conversions.h"
#include "platform/forms/runtime.h"
#include "platform/os/applicationfolder.h"
#include "platform/os/outputevents.h"
#include "platform/qt/qtbackend.h"
#include "platform/qt/reportpreviewwindow.h"
#include "platform/qt/textviewer.h"
#include "platform/report/reportpreview.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>

namespace com {

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

host::SessionValues sessionOf(const module::clsReceiptsShop& object) {
    host::SessionValues values;
    values.companyId = object.intCompanyID;
    values.shopId = object.intShopID;
    values.userId = object.intUserID;
    values.financialId = object.intFinancialID;
    values.processDate = object.dtProcessDate.date();
    values.caption = object.strMsgboxCaption;
    return values;
}

bool namesDatabase(const host::Script& script) {
    return std::any_of(script.commands.begin(), script.commands.end(),
                       [](const host::ScenarioCommand& command) { return command.name == u"database"; });
}

// A library's Show has no command line: the scenario's own problems end up in the transcript.
int runScript(module::clsReceiptsShop& object, const QString& file, host::Transcript& transcript) {
    host::Script script;
    try {
        script = host::ScenarioParser::parseFile(file);
    } catch (const host::ScenarioParseError& error) {
        transcript.fail(error.line, error.reason);
        return 2;
    }
    QTemporaryDir folder(QDir::temp().filePath(QStringLiteral("k8tr4072-scenario-XXXXXX")));
    os::setApplicationFolder(folder.path());
    transcript.folder(os::applicationFolder());
    host::HostOptions options;
    options.session = sessionOf(object);
    const ado::ConnectionPtr hostConnection = object.adocon();
    const bool ownDatabase = namesDatabase(script);
    auto show = [&](const host::SessionValues& values, const ado::ConnectionPtr& connection) {
        values.applyTo(object, ownDatabase ? connection : hostConnection);
        object.Show();
    };
    host::ScenarioRunner runner(script, transcript, options, os::applicationFolder(), show);
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

K8Result ComponentShow::show(module::clsReceiptsShop& object) {
    const QString scenario = qEnvironmentVariable(K8TR4072_SCENARIO_ENV);
    ensureApplication(!scenario.isEmpty());
    forms::Runtime::setApplicationName(QStringLiteral("Receipts"));
    const K8Result result = scenario.isEmpty() ? showOnScreen(object) : showScenario(object, scenario);
    // The session's helpers hold the connection; let it go while the application still exists.
    module::session() = module::Session();
    return result;
}

K8Result ComponentShow::showScenario(module::clsReceiptsShop& object, const QString& file) {
    rt::setRegional({QStringLiteral("dd/MM/yyyy"), QLatin1Char('.'), QLatin1Char(',')});
    QTextStream out(stdout);
    host::Transcript transcript(out);
    return runScript(object, file, transcript) == 0 ? K8_S_OK : K8_E_FAIL;
}

// The host names the application folder in the environment; without it the user's data folder serves.
K8Result ComponentShow::showOnScreen(module::clsReceiptsShop& object) {
    os::setApplicationFolder(host::UserFolder::prepare(qEnvironmentVariable(K8TR4072_FOLDER_ENV)));
    host::UserRegional::apply();
    ScreenOutput output;
    object.Show();
    return K8_S_OK;
}

void ComponentShow::releaseApplication() {
    ownApplication().reset();
}

} // namespace com
