// The text box: its text, selection and Change event.
#include "controlhelpers.h"
#include "textcontrols.h"

#include <algorithm>

namespace forms {

TextBox::TextBox(Form& form, const QString& name, Control* container)
    : Control(form, name, ControlKind::TextBox, container) {}

void TextBox::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    selStart_ = 0; // as assigning the text moves the caret to the start
    selLength_ = 0;
    changed();
    fire(Change);
}

void TextBox::setSelStart(int start) {
    assign(selStart_, std::clamp(start, 0, int(text_.size())));
    assign(selLength_, std::min(selLength_, int(text_.size()) - selStart_));
}

void TextBox::setSelLength(int length) {
    assign(selLength_, std::clamp(length, 0, int(text_.size()) - selStart_));
}

QString TextBox::property(const QString& name, const QList<int>& args) const {
    if (named(name, u"text")) return text_;
    return Control::property(name, args);
}

QStringList TextBox::dump() const {
    return QStringList{entry(QStringLiteral("text"), text_)} + Control::dump();
}

void TextBox::saveDesign() {
    Control::saveDesign();
    designedText_ = text_;
}

void TextBox::restoreDesign() {
    text_ = designedText_;
    selStart_ = selLength_ = 0;
    Control::restoreDesign();
}

} // namespace forms
