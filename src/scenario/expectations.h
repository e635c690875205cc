// The looking commands: dump, expect and print.
#pragma once

#include "scenariocommand.h"

#include <QByteArray>

namespace scenario {

class LocaleForms;
class ScenarioSetup;
class Stage;
class Transcript;
class WindowRegistry;

class Expectations {
public:
    // A property is read where the stage shows it, else from the runtime.
    // Expected numbers and dates are in the scenario's form, compared in the run's.
    Expectations(Transcript& transcript, WindowRegistry& windows, ScenarioSetup& setup, const int& errorCount,
                 const Stage& stage, const LocaleForms& forms)
        : transcript_(transcript), windows_(windows), setup_(setup), errorCount_(errorCount), stage_(stage),
          forms_(forms) {}

    void dump(const ScenarioCommand& command);
    // Throws ScenarioAbort when the expectation does not hold.
    void expect(const ScenarioCommand& command);
    void print(const ScenarioCommand& command);

private:
    void expectProperty(const ScenarioCommand& command);
    void expectWindow(const ScenarioCommand& command);
    void expectFile(const ScenarioCommand& command);
    void expectClipboard(const ScenarioCommand& command);
    qsizetype pdfPages(const ScenarioCommand& command);
    static QByteArray fileBytes(const ScenarioCommand& command, const QString& path);
    static void compareLines(const ScenarioCommand& command, const QString& what, const QString& content,
                             const QStringList& wanted, const QString& separator);
    static void compare(const ScenarioCommand& command, const QString& what, const QString& got,
                        const QString& wanted);

    Transcript& transcript_;
    WindowRegistry& windows_;
    ScenarioSetup& setup_;
    const int& errorCount_;
    const Stage& stage_;
    const LocaleForms& forms_;
};

} // namespace scenario
