// The installed preview, and the PDF file that stands for a preview without a screen.
#include "reportpreview.h"

#include "platform/forms/runtime.h"
#include "platform/os/applicationfolder.h"

#include <QDir>
#include <QFile>

namespace report {

namespace {

ReportPreview::Presenter& presenter() {
    static ReportPreview::Presenter current;
    return current;
}

// The report a preview without a screen showed last.
std::shared_ptr<const RenderedReport>& lastShown() {
    static std::shared_ptr<const RenderedReport> report;
    return report;
}

class PdfPreview : public PreviewWindow {
public:
    explicit PdfPreview(const RenderedReport& report)
        : path_(QDir(os::applicationFolder()).filePath(report.name() + QStringLiteral(".pdf"))) {
        report.writePdf(path_);
    }
    bool isOpen() const override { return open_; }
    void close() override {
        if (open_) QFile::remove(path_);
        open_ = false;
    }
    void bringToTop() override {}

private:
    QString path_;
    bool open_ = true;
};

} // namespace

void ReportPreview::setPresenter(Presenter installed) {
    presenter() = std::move(installed);
}

std::unique_ptr<PreviewWindow> ReportPreview::show(std::shared_ptr<const RenderedReport> report,
                                                   const WindowOptions& options) {
    if (presenter()) return presenter()(std::move(report), options);
    lastShown() = report;
    return std::make_unique<PdfPreview>(*report);
}

void ReportPreview::saveAsPdf(const RenderedReport& report) {
    const std::optional<QString> path = forms::Runtime::backend().saveFileName(
        {QStringLiteral("Save as PDF"), report.name() + QStringLiteral(".pdf"),
         QStringLiteral("PDF files (*.pdf)")});
    if (path) report.writePdf(*path);
}

bool ReportPreview::saveLastShownAsPdf() {
    if (!lastShown()) return false;
    saveAsPdf(*lastShown());
    return true;
}

} // namespace report
