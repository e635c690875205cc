// The test shop (its rows, the component's session) and the entry window fixture on it, the register's New.
#include "entrywindow.h"

#include "platform/core/runtimeerror.h"
#include "platform/forms/userinput.h"
#include "platform/os/applicationfolder.h"
#include "receiptregister/frmmaster.h"
#include "scenario/argumentvalues.h"
#include "scenario/scenarioparser.h"
#include "shared/session.h"
#include "testsession.h"

#include <QDir>
#include <QFile>

namespace testing_support {

namespace {

// The shop's rows and process date, read from the scenarios' shared set-up so that both start alike.
void seedShop(component::clsReceiptsShop& component, const TestDatabase& database) {
    const scenario::Script seed = scenario::ScenarioParser::parseFile(QStringLiteral(SHOP_SEED));
    for (const scenario::ScenarioCommand& command : seed.commands) {
        if (command.name == u"sql") database.execute(command.args[0].text);
        for (qsizetype i = 0; command.name == u"session" && i + 1 < command.args.size(); i += 2)
            if (command.args[i].isWord(u"date"))
                component.dtProcessDate =
                    QDateTime(*scenario::ArgumentValues::isoDate(command.args[i + 1]), QTime(0, 0));
    }
}

} // namespace

TestShop::TestShop(Engine engine) : database(engine) {
    shared::session() = shared::Session();
    if (!database.connection()) return; // no server: the test ends in its SetUp
    os::setApplicationFolder(database.folder());
    QFile settings(QDir(database.folder()).filePath(QStringLiteral("shopsetting.txt")));
    EXPECT_TRUE(settings.open(QIODevice::WriteOnly) && settings.write("defaultprint :=0\r\n") > 0);
    prepareComponent(component, database.connection());
    component.intFinancialID = 1;
    seedShop(component, database);
}

EntryWindowTest::EntryWindowTest(Engine engine) : TestShop(engine) {
    ui.backend.onModal = [this](forms::Form& form) { onModal(form); };
}

void EntryWindowTest::inEntry(const std::function<void(EntryControls&)>& act) {
    bool done = false;
    act_ = [&](EntryControls& entry) {
        act(entry);
        done = true;
    };
    component.Show();
    // An error escaping the act ends in the trap of the register's New: the act stopped there.
    if (done) return;
    QString reported;
    for (const auto& error : ui.errors)
        reported += error.procedureName + ": " + error.description + "; ";
    ADD_FAILURE() << "the act in the entry window did not run to its end; errors: " << reported.toStdString();
}

void EntryWindowTest::onModal(forms::Form& form) {
    if (auto* master = dynamic_cast<receiptregister::FrmMaster*>(&form)) {
        forms::user::click(RegisterControls(*master).cmdnew);
        master->unload();
    } else if (auto* entry = dynamic_cast<entry::frmReceiptShop*>(&form)) {
        EntryControls controls(*entry);
        act_(controls);
        if (!entry->isShown()) return;
        // Closed as a cashier who keeps nothing: the question about unsaved changes, if any, is answered No
        // and is no part of what the act showed.
        const QString question = QStringLiteral("Save Changes?");
        ui.standingAnswers[question] = forms::MsgResult::No;
        const auto shown = std::ptrdiff_t(ui.messages.size());
        entry->unload();
        ui.messages.erase(ui.messages.begin() + shown, ui.messages.end());
        ui.standingAnswers.erase(question);
    } else {
        if (inDialog) inDialog(form);
        if (!form.isShown()) return;
        ADD_FAILURE() << qPrintable(form.name()) << " stayed open";
        form.unload();
    }
}

void EntryWindowTest::pick(forms::ComboBox& combo, const QString& startOfText) {
    for (int i = 0; i < combo.listCount(); ++i)
        if (combo.list(i).startsWith(startOfText)) return forms::user::select(combo, i);
    ADD_FAILURE() << "no item " << qPrintable(startOfText) << " in " << qPrintable(combo.name());
}

QString outcome(const std::function<QString()>& call) {
    try {
        return call();
    } catch (const core::RuntimeError& error) {
        return failsWith(error.number());
    }
}

} // namespace testing_support
