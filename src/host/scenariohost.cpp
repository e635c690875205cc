// Scenario mode of the host.
#include "scenariohost.h"

#include "scenarioparser.h"
#include "scenariorunner.h"
#include "transcript.h"

#include "module/clsreceiptsshop.h"
#include "module/session.h"
#include "platform/core/conversions.h"
#include "platform/forms/runtime.h"
#include "platform/os/applicationfolder.h"

#include <QDir>
#include <QTemporaryDir>

namespace host {

int ScenarioHost::run(const HostOptions& options) {
    QTextStream out(stdout);
    Transcript transcript(out);
    Script script;
    try {
        script = ScenarioParser::parseFile(options.script);
    } catch (const ScenarioParseError& error) {
        transcript.fail(error.line, error.reason);
        return 2;
    }
    const QString folder = prepareFolder(options.folder);
    os::setApplicationFolder(folder);
    transcript.folder(os::applicationFolder());
    rt::setRegional({QStringLiteral("dd/MM/yyyy"), QLatin1Char('.'), QLatin1Char(',')});
    forms::Runtime::setApplicationName(QStringLiteral("Receipts"));
    int status = 0;
    {
        std::unique_ptr<module::clsReceiptsShop> component;
        auto show = [&component](const SessionValues& values, const ado::ConnectionPtr& connection) {
            if (!component) component = std::make_unique<module::clsReceiptsShop>();
            values.applyTo(*component, connection);
            component->Show();
        };
        ScenarioRunner runner(script, transcript, options, os::applicationFolder(), show);
        status = runner.run();
    }
    // The session's helpers hold the connection; let it go while the application still exists.
    module::session() = module::Session();
    return status;
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
