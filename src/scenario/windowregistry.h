// The module's windows as a scenario sees them: found by name, reported when they open and close.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace forms {
class Control;
class Form;
} // namespace forms

namespace scenario {

class Transcript;

class WindowRegistry {
public:
    explicit WindowRegistry(Transcript& transcript) : transcript_(transcript) {}

    void loaded(forms::Form& form);
    void unloaded(forms::Form& form);
    // Reports every shown window not reported yet. Called before each event, because a window's
    // first activation may already show a message or close it again.
    void announce();

    // A window the module has loaded at some time, by name without regard to case; nullptr if none.
    forms::Form* find(const QString& name) const;
    bool isOpen(const QString& name) const;
    QStringList openWindows() const;

    // The window the user acts on: open and on top; throws ScenarioAbort otherwise.
    forms::Form& activeWindow(const QString& name, int line) const;
    // A control of a loaded window for looking; throws ScenarioAbort when there is none.
    forms::Control& lookAt(const QString& window, const QString& control, int line) const;
    // A control of the active window for acting.
    forms::Control& actOn(const QString& window, const QString& control, int line) const;
    forms::Form& loadedWindow(const QString& name, int line) const;

private:
    struct Entry {
        forms::Form* form;
        bool announced = false;
    };
    Entry* entryFor(const forms::Form& form);
    void report(Entry& entry);
    static forms::Control& controlOf(forms::Form& form, const QString& control, int line);

    Transcript& transcript_;
    std::vector<Entry> windows_;
};

} // namespace scenario
