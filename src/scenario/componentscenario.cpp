// A scenario run inside the component's Show, for a library built with the scenario runner: hosts in any
// language run the module headless by naming a scenario file in RECEIPTS_SCENARIO.
#include "commandtable.h"
#include "scenarioparser.h"
#include "scenariorunner.h"
#include "stage.h"
#include "transcript.h"

#include "component/clsreceiptsshop.h"
#include "component/componentshow.h"
#include "platform/core/conversions.h"
#include "platform/os/applicationfolder.h"

#include <QDir>
#include <QTemporaryDir>

namespace scenario {

namespace {

SessionValues sessionOf(const component::clsReceiptsShop& object) {
    SessionValues values;
    values.companyId = object.intCompanyID;
    values.shopId = object.intShopID;
    values.userId = object.intUserID;
    values.financialId = object.intFinancialID;
    values.processDate = object.dtProcessDate.date();
    values.caption = object.strMsgboxCaption;
    return values;
}

// A library's Show has no command line: the scenario's own problems end up in the transcript. The
// object's properties are the scenario's session until its `session` lines change them; the object's
// connection serves unless the scenario names a database.
int runScript(component::clsReceiptsShop& object, const QString& file, Transcript& transcript) {
    Script script;
    try {
        script = ScenarioParser::parseFile(file);
    } catch (const ScenarioParseError& error) {
        transcript.fail(error.line, error.reason);
        return 2;
    }
    QTemporaryDir folder(QDir::temp().filePath(QStringLiteral("k8tr4072-scenario-XXXXXX")));
    os::setApplicationFolder(folder.path());
    transcript.folder(os::applicationFolder());
    const ado::ConnectionPtr hostConnection = object.adocon();
    const bool ownDatabase = CommandTable::choosesDatabase(script);
    auto show = [&](const SessionValues& values, const ado::ConnectionPtr& connection) {
        values.applyTo(object, ownDatabase ? connection : hostConnection);
        object.Show();
    };
    HeadlessStage stage;
    ScenarioRunner runner(script, transcript, sessionOf(object), QString(), os::applicationFolder(), show,
                          stage);
    return runner.run();
}

bool showScenario(component::clsReceiptsShop& object, const QString& file) {
    core::setRegional({QStringLiteral("dd/MM/yyyy"), QLatin1Char('.'), QLatin1Char(',')});
    QTextStream out(stdout);
    Transcript transcript(out);
    return runScript(object, file, transcript) == 0;
}

// Runs when the library is loaded.
const bool installed = [] {
    component::ComponentShow::setScenarioShow(showScenario);
    return true;
}();

} // namespace

} // namespace scenario
