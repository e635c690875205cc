// Captioned controls: labels, frames, picture boxes, buttons and option buttons.
#include "textcontrols.h"

#include "controlhelpers.h"
#include "form.h"

namespace forms {

void CaptionedControl::setCaption(const QString& caption) {
    assign(caption_, caption);
}

QString CaptionedControl::property(const QString& name, const QList<int>& args) const {
    if (named(name, u"caption")) return caption_;
    return Control::property(name, args);
}

QStringList CaptionedControl::dump() const {
    return QStringList{entry(QStringLiteral("caption"), caption_)} + Control::dump();
}

void CaptionedControl::saveDesign() {
    Control::saveDesign();
    designedCaption_ = caption_;
}

void CaptionedControl::restoreDesign() {
    caption_ = designedCaption_;
    Control::restoreDesign();
}

Label::Label(Form& form, const QString& name, Control* container)
    : CaptionedControl(form, name, ControlKind::Label, container) {}

Frame::Frame(Form& form, const QString& name, Control* container)
    : CaptionedControl(form, name, ControlKind::Frame, container) {}

PictureBox::PictureBox(Form& form, const QString& name, Control* container)
    : CaptionedControl(form, name, ControlKind::PictureBox, container) {}

CommandButton::CommandButton(Form& form, const QString& name, Control* container)
    : CaptionedControl(form, name, ControlKind::CommandButton, container) {}

OptionButton::OptionButton(Form& form, const QString& name, Control* container)
    : CaptionedControl(form, name, ControlKind::OptionButton, container) {}

void OptionButton::setValue(bool value) {
    if (!assign(value_, value) || !value) return;
    // Siblings are cleared before Click runs, so the handler sees one chosen button.
    for (Control* control : form().controls())
        if (control != this && control->kind() == ControlKind::OptionButton &&
            control->container() == container())
            static_cast<OptionButton*>(control)->setValue(false);
    fire(Click);
}

QString OptionButton::property(const QString& name, const QList<int>& args) const {
    if (named(name, u"value")) return boolText(value_);
    return CaptionedControl::property(name, args);
}

QStringList OptionButton::dump() const {
    return QStringList{entry(QStringLiteral("value"), boolText(value_))} + CaptionedControl::dump();
}

void OptionButton::saveDesign() {
    CaptionedControl::saveDesign();
    designedValue_ = value_;
}

void OptionButton::restoreDesign() {
    value_ = designedValue_;
    CaptionedControl::restoreDesign();
}

} // namespace forms
