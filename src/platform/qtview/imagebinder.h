// Binds an image control to a QLabel that shows its built-in picture.
#pragma once

#include "controlbinder.h"

#include <QStyle>
#include <optional>

class QLabel;

namespace forms {
class Image;
}

namespace qtview {

class ImageBinder : public ControlBinder {
public:
    ImageBinder(forms::Image& image, QLabel& widget);

    // The style's picture for a built-in picture name (without regard to case); nullopt for an
    // empty or unknown name.
    static std::optional<QStyle::StandardPixmap> standardPicture(const QString& name);

private:
    void refreshState() override;
    forms::Image& image_;
    QLabel& view_;
};

} // namespace qtview
