// Windows by name, and their OPEN and CLOSE lines.
#include "windowregistry.h"

#include "scenarioabort.h"
#include "transcript.h"

#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/forms/runtime.h"

namespace scenario {

void WindowRegistry::loaded(forms::Form& form) {
    if (!entryFor(form)) windows_.push_back({&form});
}

void WindowRegistry::unloaded(forms::Form& form) {
    Entry* entry = entryFor(form);
    // A window closed by its own first activation was shown for a moment: it is still on top.
    if (!entry || (!entry->announced && forms::Runtime::activeForm() != &form)) return;
    announce();
    if (!entry->announced) report(*entry);
    entry->announced = false;
    transcript_.close(form.name());
}

void WindowRegistry::announce() {
    for (Entry& entry : windows_)
        if (!entry.announced && entry.form->isShown()) report(entry);
}

void WindowRegistry::report(Entry& entry) {
    entry.announced = true;
    const forms::Form* owner = entry.form->owner();
    transcript_.open(entry.form->name(), true, owner ? owner->name() : QString());
}

WindowRegistry::Entry* WindowRegistry::entryFor(const forms::Form& form) {
    for (Entry& entry : windows_)
        if (entry.form == &form) return &entry;
    return nullptr;
}

forms::Form* WindowRegistry::find(const QString& name) const {
    for (const Entry& entry : windows_)
        if (entry.form->name().compare(name, Qt::CaseInsensitive) == 0) return entry.form;
    return nullptr;
}

bool WindowRegistry::isOpen(const QString& name) const {
    const forms::Form* form = find(name);
    return form && form->isLoaded() && form->isShown();
}

QStringList WindowRegistry::openWindows() const {
    QStringList names;
    for (const Entry& entry : windows_)
        if (entry.form->isShown()) names << entry.form->name();
    return names;
}

forms::Form& WindowRegistry::activeWindow(const QString& name, int line) const {
    forms::Form* form = find(name);
    if (!form || !form->isShown())
        throw ScenarioAbort{line, QStringLiteral("window %1 is not open").arg(name)};
    forms::Form* active = forms::Runtime::activeForm();
    if (active != form)
        throw ScenarioAbort{line, QStringLiteral("window %1 is not the active window (%2 is)")
                                      .arg(name, active ? active->name() : QStringLiteral("none"))};
    return *form;
}

forms::Form& WindowRegistry::loadedWindow(const QString& name, int line) const {
    forms::Form* form = find(name);
    if (!form || !form->isLoaded())
        throw ScenarioAbort{line, QStringLiteral("window %1 is not open").arg(name)};
    return *form;
}

forms::Control& WindowRegistry::lookAt(const QString& window, const QString& control, int line) const {
    return controlOf(loadedWindow(window, line), control, line);
}

forms::Control& WindowRegistry::actOn(const QString& window, const QString& control, int line) const {
    return controlOf(activeWindow(window, line), control, line);
}

forms::Control& WindowRegistry::controlOf(forms::Form& form, const QString& control, int line) {
    forms::Control* found = form.findControl(control);
    if (!found)
        throw ScenarioAbort{line, QStringLiteral("window %1 has no control %2").arg(form.name(), control)};
    return *found;
}

} // namespace scenario
