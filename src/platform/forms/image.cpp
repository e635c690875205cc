// The image control's picture name.
#include "image.h"

#include "controlhelpers.h"

namespace forms {

Image::Image(Form& form, const QString& name, Control* container)
    : Control(form, name, ControlKind::Image, container) {}

void Image::setPicture(const QString& picture) {
    assign(picture_, picture);
}

QString Image::property(const QString& name, const QList<int>& args) const {
    if (named(name, u"picture")) return picture_;
    return Control::property(name, args);
}

QStringList Image::dump() const {
    return QStringList{entry(QStringLiteral("picture"), picture_)} + Control::dump();
}

void Image::saveDesign() {
    Control::saveDesign();
    designedPicture_ = picture_;
}

void Image::restoreDesign() {
    picture_ = designedPicture_;
    Control::restoreDesign();
}

} // namespace forms
