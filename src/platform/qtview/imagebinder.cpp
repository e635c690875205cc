// The image shows one of the style's own pictures, so the program carries no image files.
#include "imagebinder.h"

#include "platform/forms/image.h"

#include <QLabel>

namespace qtview {

namespace {
constexpr int PictureSize = 32;
} // namespace

ImageBinder::ImageBinder(forms::Image& image, QLabel& widget)
    : ControlBinder(image, widget), image_(image), view_(widget) {}

std::optional<QStyle::StandardPixmap> ImageBinder::standardPicture(const QString& name) {
    static const std::pair<QLatin1String, QStyle::StandardPixmap> pictures[] = {
        {QLatin1String("information"), QStyle::SP_MessageBoxInformation},
        {QLatin1String("question"), QStyle::SP_MessageBoxQuestion},
        {QLatin1String("warning"), QStyle::SP_MessageBoxWarning},
        {QLatin1String("critical"), QStyle::SP_MessageBoxCritical},
    };
    for (const auto& [pictureName, pixmap] : pictures)
        if (name.compare(pictureName, Qt::CaseInsensitive) == 0) return pixmap;
    return std::nullopt;
}

void ImageBinder::refreshState() {
    const std::optional<QStyle::StandardPixmap> picture = standardPicture(image_.picture());
    if (!picture) {
        view_.clear();
        return;
    }
    view_.setPixmap(view_.style()->standardIcon(*picture, nullptr, &view_).pixmap(PictureSize, PictureSize));
}

} // namespace qtview
