// Runs a parsed scenario against the module, headless or on the screen.
#pragma once

#include "answerqueue.h"
#include "expectations.h"
#include "localeforms.h"
#include "scenariocommand.h"
#include "scenariosetup.h"
#include "useractions.h"
#include "windowregistry.h"

#include <deque>
#include <functional>
#include <optional>

namespace scenario {

class Stage;
class Transcript;

// Commands run in order. A modal window keeps running the following commands until it closes, so
// the lines after `show` act while the register is open; a pop-up menu waits for `menu` the same way.
class ScenarioRunner {
public:
    // What `show` does: the host hands the session to the component and calls Show.
    using ShowRegister =
        std::function<void(const SessionValues& values, const ado::ConnectionPtr& connection)>;

    // `session` holds the values before any `session` line; `database` is the one used when no `database`
    // line comes: a file (empty: receipts.db in the folder) or a connection string naming its driver. The
    // stage is where the windows show and the actions go.
    ScenarioRunner(const Script& script, Transcript& transcript, const SessionValues& session,
                   const QString& database, const QString& folder, ShowRegister showRegister, Stage& stage);
    ~ScenarioRunner();

    // 0 when every command ran and every expectation held; 1 after printing the FAIL line.
    int run();

    // The commands that steer the run itself.
    void show(const ScenarioCommand& command);
    void menu(const ScenarioCommand& command);
    void answer(const ScenarioCommand& command);
    void saveFile(const ScenarioCommand& command);
    void savePdf(const ScenarioCommand& command);
    void locale(const ScenarioCommand& command);

private:
    void installHooks();
    void runUntil(const std::function<bool()>& done);
    void execute(const ScenarioCommand& command);
    void dispatch(const ScenarioCommand& command);
    void popup(forms::Form& form, forms::Menu& menu);
    std::optional<QString> chosenFile(const forms::SaveFileRequest& request);
    void requireNoWindow(const ScenarioCommand& command, const char* action) const;
    void finish() const;

    const Script& script_;
    Transcript& transcript_;
    Stage& stage_;
    // The scenario's numbers and dates as the run shows them: the regional settings in force when the run
    // starts are the run's.
    LocaleForms forms_;
    WindowRegistry windows_;
    AnswerQueue answers_;
    // The names the next file choosers are answered with, in order (nothing: cancelled), by line.
    std::deque<std::pair<int, std::optional<QString>>> fileNames_;
    ScenarioSetup setup_;
    UserActions actions_;
    int errorCount_ = 0;
    Expectations expectations_;
    ShowRegister showRegister_;
    size_t next_ = 0;
    int currentLine_ = 0;
    forms::Menu* popup_ = nullptr;
};

} // namespace scenario
