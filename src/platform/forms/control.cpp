// Common state, focus and designed state of every control.
#include "control.h"

#include "controlhelpers.h"
#include "form.h"

namespace forms {

QString boolText(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

Control::Control(Form& form, const QString& name, ControlKind kind, Control* container)
    : form_(form), name_(name), kind_(kind), container_(container) {
    form_.registerControl(this);
}

Control::~Control() {
    form_.unregisterControl(this);
}

void Control::setEnabled(bool enabled) {
    assign(common_.enabled, enabled);
    if (!enabled) form_.keepFocusUsable();
}
void Control::setVisible(bool visible) {
    assign(common_.visible, visible);
    if (!visible) form_.keepFocusUsable();
}
void Control::setToolTipText(const QString& text) {
    assign(common_.toolTipText, text);
}
void Control::setBackColor(int color) {
    assign(common_.backColor, color);
}
void Control::setForeColor(int color) {
    assign(common_.foreColor, color);
}

bool Control::isUsable() const {
    for (const Control* control = this; control; control = control->container_)
        if (!control->enabled() || !control->visible()) return false;
    return true;
}

bool Control::isInSight() const {
    for (const Control* control = this; control->container_; control = control->container_)
        if (!control->container_->showsContained(*control)) return false;
    return true;
}

bool Control::canFocus() const {
    switch (kind_) {
    case ControlKind::Label:
    case ControlKind::Frame:
    case ControlKind::PictureBox:
    case ControlKind::Menu:
    case ControlKind::Image:
        return false;
    default:
        return isUsable();
    }
}

void Control::setFocus() {
    if (!canFocus()) throw core::RuntimeError::of(core::err::InvalidCall);
    form_.setActiveControl(this);
}

bool Control::hasFocus() const {
    return form_.activeControl() == this;
}

QString Control::property(const QString& name, const QList<int>& args) const {
    if (named(name, u"enabled")) return boolText(enabled());
    if (named(name, u"visible")) return boolText(visible());
    if (named(name, u"tooltip")) return toolTipText();
    if (named(name, u"forecolor")) return QString::number(foreColor());
    if (named(name, u"focused")) return boolText(hasFocus());
    throw unsupportedProperty();
}

QStringList Control::dump() const {
    return {entry(QStringLiteral("enabled"), boolText(enabled())),
            entry(QStringLiteral("visible"), boolText(visible())),
            entry(QStringLiteral("tooltip"), toolTipText())};
}

void Control::saveDesign() {
    designedCommon_ = common_;
}

void Control::restoreDesign() {
    common_ = designedCommon_;
    changed();
}

void Control::changed() {
    if (observer_) observer_->controlChanged();
}

} // namespace forms
