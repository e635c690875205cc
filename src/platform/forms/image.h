// An image control: a fixed picture on a window, named rather than stored.
#pragma once

#include "control.h"

namespace forms {

// The picture is the name of one of the view's built-in pictures ("information", "hourglass"); the
// runtime keeps only the name, so headless runs need no image data. An empty name shows nothing.
class Image : public Control {
public:
    Image(Form& form, const QString& name, Control* container = nullptr);
    const QString& picture() const { return picture_; }
    void setPicture(const QString& picture);

    QString property(const QString& name, const QList<int>& args = {}) const override;
    QStringList dump() const override;
    void saveDesign() override;
    void restoreDesign() override;

private:
    QString picture_;
    QString designedPicture_;
};

} // namespace forms
