// Menu entries: their captions, and the entries of a pop-up menu.
#include "menu.h"

#include "controlhelpers.h"

namespace forms {

Menu::Menu(Form& form, const QString& name, const QString& caption, Menu* parent)
    : Control(form, name, ControlKind::Menu), caption_(caption), parent_(parent) {
    if (parent_) parent_->entries_.push_back(this);
}

void Menu::setCaption(const QString& caption) {
    assign(caption_, caption);
}

QString Menu::property(const QString& name, const QList<int>& args) const {
    if (named(name, u"caption")) return caption_;
    return Control::property(name, args);
}

QStringList Menu::dump() const {
    return QStringList{entry(QStringLiteral("caption"), caption_)} + Control::dump();
}

} // namespace forms
