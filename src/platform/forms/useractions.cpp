// User actions on buttons, combo boxes, date pickers, menus and windows.
#include "combobox.h"
#include "controlhelpers.h"
#include "datepicker.h"
#include "form.h"
#include "menu.h"
#include "runtime.h"
#include "tabcontrol.h"
#include "textcontrols.h"
#include "userchecks.h"
#include "userinput.h"

namespace forms {

namespace {
QString fullName(const Control& control) {
    return control.form().name() + QLatin1Char('.') + control.name();
}
} // namespace

void failAction(const Control& control, const QString& reason) {
    throw core::RuntimeError(core::err::InvalidCall,
                             QStringLiteral("control %1 %2").arg(fullName(control), reason));
}

void requireUsable(const Control& control) {
    Runtime::beginCommand();
    if (!control.form().isLoaded()) failAction(control, QStringLiteral("is on a window that is not open"));
    for (const Control* part = &control; part; part = part->container()) {
        // A control on a tab that is not shown is out of the user's sight, as a hidden one is.
        if (const Control* holder = part->container(); holder && !holder->showsContained(*part))
            failAction(control, QStringLiteral("is on a tab of %1 that is not shown").arg(fullName(*holder)));
        const char* state = !part->visible() ? "hidden" : !part->enabled() ? "disabled" : nullptr;
        if (!state) continue;
        if (part == &control) failAction(control, QStringLiteral("is %1").arg(QLatin1String(state)));
        failAction(control,
                   QStringLiteral("is inside %1, which is %2").arg(fullName(*part), QLatin1String(state)));
    }
}

void reach(Control& control) {
    requireUsable(control);
    if (control.canFocus() && !control.hasFocus()) control.setFocus();
}

void pressMouse(Control& control, int button) {
    fire(control.MouseDown, button, int(NoShift), 0.0f, 0.0f);
    fire(control.MouseUp, button, int(NoShift), 0.0f, 0.0f);
}

namespace user {

void click(Control& control) {
    reach(control);
    if (control.kind() == ControlKind::OptionButton)
        static_cast<OptionButton&>(control).setValue(true);
    else
        fire(control.Click);
}

void focus(Control& control) {
    requireUsable(control);
    if (!control.canFocus()) failAction(control, QStringLiteral("cannot take the focus"));
    control.setFocus();
}

// Picking an item in the list raises Click even when it is the item already chosen.
void select(ComboBox& combo, int index) {
    reach(combo);
    if (index < -1 || index >= combo.listCount())
        failAction(combo, QStringLiteral("has no item %1").arg(index));
    if (index >= 0 && index == combo.listIndex())
        fire(combo.Click);
    else
        combo.setListIndex(index);
}

void pickDate(DatePicker& picker, const QDate& date) {
    reach(picker);
    picker.setValue(date);
}

void chooseTab(TabControl& tabs, int index) {
    reach(tabs);
    if (index < 0 || index >= tabs.tabCount()) failAction(tabs, QStringLiteral("has no tab %1").arg(index));
    tabs.setCurrentTab(index);
    fire(tabs.Click);
}

void hover(Control& control) {
    requireUsable(control);
    fire(control.MouseMove, 0, int(NoShift), 0.0f, 0.0f);
}

void chooseMenu(Menu& entry) {
    requireUsable(entry);
    fire(entry.Click);
}

void closeWindow(Form& form) {
    Runtime::beginCommand();
    if (!form.isLoaded())
        throw core::RuntimeError(core::err::InvalidCall,
                                 QStringLiteral("window %1 is not open").arg(form.name()));
    form.unload(UnloadFromFrame);
}

} // namespace user
} // namespace forms
