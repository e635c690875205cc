// The tab control: its tabs, the current one and what is in sight on it.
#include "tabcontrol.h"

#include "controlhelpers.h"

namespace forms {

TabControl::TabControl(Form& form, const QString& name, Control* container)
    : Control(form, name, ControlKind::TabControl, container) {}

void TabControl::addTab(const QString& caption) {
    captions_.push_back(caption);
    changed();
}

QString TabControl::tabCaption(int index) const {
    if (index < 0 || index >= tabCount()) throw outOfRange();
    return captions_[index];
}

void TabControl::setTabCaption(int index, const QString& caption) {
    if (index < 0 || index >= tabCount()) throw outOfRange();
    assign(captions_[index], caption);
}

void TabControl::setCurrentTab(int index) {
    if (index < 0 || index >= tabCount()) throw outOfRange();
    assign(current_, index);
}

void TabControl::placeOnTab(const Control& control, int index) {
    if (index < 0 || index >= tabCount()) throw outOfRange();
    tabOf_[&control] = index;
}

bool TabControl::showsContained(const Control& control) const {
    const auto placed = tabOf_.find(&control);
    return placed == tabOf_.end() || placed->second == current_;
}

QString TabControl::property(const QString& name, const QList<int>& args) const {
    if (named(name, u"tab")) return tabCaption(argument(args, 0));
    if (named(name, u"value")) return QString::number(current_);
    return Control::property(name, args);
}

QStringList TabControl::dump() const {
    QStringList entries{entry(QStringLiteral("value"), QString::number(current_))};
    for (int i = 0; i < tabCount(); ++i)
        entries << entry(QStringLiteral("tab(%1)").arg(i), captions_[i]);
    return entries + Control::dump();
}

void TabControl::saveDesign() {
    Control::saveDesign();
    designedCaptions_ = captions_;
}

void TabControl::restoreDesign() {
    captions_ = designedCaptions_;
    current_ = 0;
    Control::restoreDesign();
}

} // namespace forms
