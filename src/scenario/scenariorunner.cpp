// The scenario loop, the backend's callbacks and the commands that steer the run itself.
#include "scenariorunner.h"

#include "argumentvalues.h"
#include "commandtable.h"
#include "scenarioabort.h"
#include "stage.h"
#include "textescapes.h"
#include "transcript.h"

#include "platform/core/runtimeerror.h"
#include "platform/forms/form.h"
#include "platform/forms/menu.h"
#include "platform/forms/userinput.h"
#include "platform/os/finishedoutput.h"
#include "platform/os/userregional.h"
#include "shared/services/errordetails.h"

namespace scenario {

ScenarioRunner::ScenarioRunner(const Script& script, Transcript& transcript, const SessionValues& session,
                               const QString& database, const QString& folder, ShowRegister showRegister,
                               Stage& stage)
    : script_(script), transcript_(transcript), stage_(stage), forms_(core::Regional(), core::regional()),
      windows_(transcript), setup_(transcript, session, database, folder, forms_),
      actions_(windows_, stage.input(), forms_),
      expectations_(transcript, windows_, setup_, errorCount_, stage, forms_),
      showRegister_(std::move(showRegister)) {}

ScenarioRunner::~ScenarioRunner() {
    forms::Runtime::setBackend(nullptr);
    suite::setErrorNotifier(nullptr);
    os::FinishedOutput::setFileWritten(nullptr);
    os::FinishedOutput::setTextViewed(nullptr);
    os::FinishedOutput::setReportRun(nullptr);
}

int ScenarioRunner::run() {
    installHooks();
    try {
        runUntil([this] { return next_ >= script_.commands.size(); });
        finish();
        return 0;
    } catch (const ScenarioAbort& abort) {
        transcript_.fail(abort.line, abort.reason);
        return 1;
    }
}

void ScenarioRunner::installHooks() {
    forms::ScriptHooks& hooks = stage_.hooks();
    hooks.onLoaded = [this](forms::Form& form) { windows_.loaded(form); };
    hooks.onUnloaded = [this](forms::Form& form) { windows_.unloaded(form); };
    hooks.onModal = [this](forms::Form& form) {
        windows_.announce();
        runUntil([&form] { return !form.isShown(); });
    };
    hooks.onMessage = [this](const forms::MessageBoxRequest& request) {
        windows_.announce();
        const AnswerQueue::Answer answer = answers_.take(request, currentLine_, forms_);
        // The text as the scenario writes it, so that a run in another locale tells the same.
        forms::MessageBoxRequest told = request;
        told.text = answer.text;
        transcript_.messageBox(told, answer.button);
        return answer.button;
    };
    hooks.onPopup = [this](forms::Form& form, forms::Menu& menu) { popup(form, menu); };
    hooks.onSaveFile = [this](const forms::SaveFileRequest& request) { return chosenFile(request); };
    hooks.onBeep = [this] {
        windows_.announce();
        transcript_.beep();
    };
    forms::Runtime::setBackend(&stage_.backend());
    suite::setErrorNotifier([this](const suite::ErrorRecord& record) {
        windows_.announce();
        ++errorCount_;
        transcript_.error(record, setup_.values().userId);
    });
    os::FinishedOutput::setFileWritten([this](const QString& path, qint64 bytes) {
        windows_.announce();
        transcript_.fileWritten(path, bytes);
    });
    os::FinishedOutput::setTextViewed([this](const QString& path) {
        windows_.announce();
        transcript_.viewed(path);
        stage_.viewText(path);
    });
    os::FinishedOutput::setReportRun([this](const os::ReportRun& run) {
        windows_.announce();
        transcript_.report(run);
    });
}

void ScenarioRunner::runUntil(const std::function<bool()>& done) {
    while (!done()) {
        if (next_ >= script_.commands.size()) {
            const QString what = popup_ ? QStringLiteral("a pop-up menu") : windows_.openWindows().join(u',');
            throw ScenarioAbort{script_.lineCount,
                                QStringLiteral("the scenario ended with %1 open").arg(what)};
        }
        stage_.settle();
        execute(script_.commands[next_++]);
    }
}

// A run-time error that reaches the runner is an action the user could not do, or an error the
// module did not trap.
void ScenarioRunner::execute(const ScenarioCommand& command) {
    currentLine_ = command.line;
    try {
        dispatch(command);
    } catch (const core::RuntimeError& error) {
        throw ScenarioAbort{command.line, error.description()};
    } catch (const std::exception& error) {
        throw ScenarioAbort{command.line, QString::fromLocal8Bit(error.what())};
    }
}

void ScenarioRunner::dispatch(const ScenarioCommand& command) {
    const CommandDefinition& definition = CommandTable::definition(command);
    if (popup_ && definition.moment == CommandMoment::NoPopupOpen)
        throw ScenarioAbort{command.line,
                            QStringLiteral("a pop-up menu is open; choose an entry with menu first")};
    if (definition.moment == CommandMoment::NoWindowOpen) requireNoWindow(command, "changes the session");
    definition.run({*this, setup_, actions_, expectations_}, command);
}

void ScenarioRunner::show(const ScenarioCommand& command) {
    requireNoWindow(command, "opens the register again");
    showRegister_(setup_.values(), setup_.connection());
}

void ScenarioRunner::answer(const ScenarioCommand& command) {
    answers_.add({command.line, command.args[0].text, *ArgumentValues::button(command.args[1])});
}

void ScenarioRunner::saveFile(const ScenarioCommand& command) {
    const ScenarioArgument& name = command.args[0];
    fileNames_.emplace_back(command.line, name.isWord(u"none") ? std::nullopt : std::optional(name.text));
}

void ScenarioRunner::savePdf(const ScenarioCommand& command) {
    if (!stage_.savePreviewAsPdf())
        throw ScenarioAbort{command.line, QStringLiteral("no report preview is open")};
}

// The next name the scenario gave, in the folder; a file chooser it did not expect ends the run.
std::optional<QString> ScenarioRunner::chosenFile(const forms::SaveFileRequest& request) {
    windows_.announce();
    if (fileNames_.empty())
        throw ScenarioAbort{
            currentLine_,
            QStringLiteral("unexpected file chooser %1").arg(TextEscapes::quoted(request.title))};
    const std::optional<QString> name = fileNames_.front().second;
    fileNames_.pop_front();
    transcript_.saveFile(request, name);
    if (!name) return std::nullopt;
    return setup_.inFolder(*name);
}

// The scenario is written in the locale's own form from here on, and the module runs in it.
void ScenarioRunner::locale(const ScenarioCommand& command) {
    const QLocale locale(command.args[0].text);
    if (locale.name() != command.args[0].text)
        throw ScenarioAbort{command.line, QStringLiteral("no locale is named %1").arg(command.args[0].text)};
    QLocale::setDefault(locale);
    os::UserRegional::apply();
    forms_ = LocaleForms(core::regional(), core::regional());
}

void ScenarioRunner::requireNoWindow(const ScenarioCommand& command, const char* action) const {
    const QStringList open = windows_.openWindows();
    if (!open.isEmpty())
        throw ScenarioAbort{command.line, QStringLiteral("%1 %2 while %3 is open")
                                              .arg(command.name, QLatin1String(action), open.join(u','))};
}

void ScenarioRunner::popup(forms::Form& form, forms::Menu& menu) {
    windows_.announce();
    QStringList entries;
    for (const forms::Menu* entry : menu.entries())
        entries << entry->name();
    transcript_.note(QStringLiteral("popup %1.%2: %3").arg(form.name(), menu.name(), entries.join(u'|')));
    popup_ = &menu;
    runUntil([this] { return popup_ == nullptr; });
}

// The chosen entry's Click may open windows that run further commands: the menu is gone by then.
void ScenarioRunner::menu(const ScenarioCommand& command) {
    if (!popup_) throw ScenarioAbort{command.line, QStringLiteral("no pop-up menu is open")};
    forms::Menu* menu = std::exchange(popup_, nullptr);
    const ScenarioArgument& choice = command.args[0];
    if (choice.isWord(u"none")) return;
    for (forms::Menu* entry : menu->entries()) {
        QString caption = entry->caption();
        caption.remove(u'&');
        if (entry->name().compare(choice.text, Qt::CaseInsensitive) == 0 || caption == choice.text)
            return stage_.input().chooseMenu(*entry);
    }
    throw ScenarioAbort{command.line, QStringLiteral("the pop-up menu %1 has no entry %2")
                                          .arg(menu->name(), TextEscapes::quoted(choice.text))};
}

void ScenarioRunner::finish() const {
    if (!fileNames_.empty())
        throw ScenarioAbort{fileNames_.front().first, QStringLiteral("no file chooser appeared")};
    if (const std::optional<AnswerQueue::Answer> left = answers_.firstLeft())
        throw ScenarioAbort{
            left->line, QStringLiteral("no message box %1 appeared").arg(TextEscapes::quoted(left->text))};
}

} // namespace scenario
