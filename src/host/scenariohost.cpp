// Scenario mode of the host.
#include "scenariohost.h"

#include "scenario/scenarioparser.h"
#include "scenario/scenariorunner.h"
#include "scenario/screenstage.h"
#include "scenario/transcript.h"

#include "component/clsreceiptsshop.h"
#include "platform/core/conversions.h"
#include "platform/forms/runtime.h"
#include "platform/os/applicationfolder.h"
#include "platform/os/userregional.h"
#include "shared/session.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

namespace host {

int ScenarioHost::run(const HostOptions& options) {
    QTextStream out(stdout);
    scenario::Transcript transcript(out);
    scenario::Script script;
    try {
        script = scenario::ScenarioParser::parseFile(options.script);
    } catch (const scenario::ScenarioParseError& error) {
        transcript.fail(error.line, error.reason);
        return 2;
    }
    const QString folder = prepareFolder(options.folder);
    os::setApplicationFolder(folder);
    transcript.folder(os::applicationFolder());
    if (options.locale.isEmpty()) {
        core::setRegional({QStringLiteral("dd/MM/yyyy"), QLatin1Char('.'), QLatin1Char(',')});
    } else {
        QLocale::setDefault(QLocale(options.locale));
        os::UserRegional::apply();
    }
    forms::Runtime::setApplicationName(QStringLiteral("Receipts"));
    int status = 0;
    {
        std::unique_ptr<component::clsReceiptsShop> component;
        auto show = [&component](const scenario::SessionValues& values,
                                 const ado::ConnectionPtr& connection) {
            if (!component) component = std::make_unique<component::clsReceiptsShop>();
            values.applyTo(*component, connection);
            component->Show();
        };
        const std::unique_ptr<scenario::Stage> stage = stageOf(options);
        scenario::ScenarioRunner runner(script, transcript, options.session, options.database,
                                        os::applicationFolder(), show, *stage);
        status = runner.run();
        // A run on the screen that failed may have broken off inside the toolkit's event handling, which is
        // in no state to be taken down: the transcript is all there is to keep.
        if (status != 0 && options.screen) {
            out.flush();
            std::_Exit(status);
        }
    }
    // The session's helpers hold the connection; let it go while the application still exists.
    shared::session() = shared::Session();
    return status;
}

std::unique_ptr<scenario::Stage> ScenarioHost::stageOf(const HostOptions& options) {
    if (options.screen) return std::make_unique<scenario::ScreenStage>();
    return std::make_unique<scenario::HeadlessStage>();
}

// The given folder (created when missing), or a new temporary one that stays for inspection.
QString ScenarioHost::prepareFolder(const QString& requested) {
    if (!requested.isEmpty()) {
        QDir().mkpath(requested);
        return requested;
    }
    QTemporaryDir fresh(QDir::temp().filePath(QStringLiteral("receipts-scenario-XXXXXX")));
    fresh.setAutoRemove(false);
    return fresh.path();
}

} // namespace host
