// How a finished report is shown: the GUI's preview window, or a PDF file in the application folder.
#pragma once

#include "renderedreport.h"

#include <functional>
#include <memory>

namespace report {

// What the preview window offers besides the pages.
struct WindowOptions {
    bool maximised = false;
    bool printButton = false;
    bool exportButton = false;
    bool zoomControl = false;
    bool pageNavigation = false;
};

// A preview that was opened; its owner may close it or bring it to the top.
class PreviewWindow {
public:
    virtual ~PreviewWindow() = default;
    virtual bool isOpen() const = 0;
    // Does nothing when the window is already closed.
    virtual void close() = 0;
    virtual void bringToTop() = 0;
};

class ReportPreview {
public:
    using Presenter = std::function<std::unique_ptr<PreviewWindow>(std::shared_ptr<const RenderedReport>,
                                                                   const WindowOptions&)>;

    // The GUI installs its preview window here. Without one, a preview writes NAME.pdf into the
    // application folder (NAME: the report file's name without suffix); closing that preview
    // removes the file again.
    static void setPresenter(Presenter presenter);
    static std::unique_ptr<PreviewWindow> show(std::shared_ptr<const RenderedReport> report,
                                               const WindowOptions& options);

    // Save as PDF: the report's pages, as the preview shows them, in the file the user chooses; nothing when
    // the user cancels. Error 75 when the file cannot be written.
    static void saveAsPdf(const RenderedReport& report);
    // The same for the report shown last without a screen, whose PDF file stands for its preview; false when
    // no report was shown so.
    static bool saveLastShownAsPdf();
};

} // namespace report
