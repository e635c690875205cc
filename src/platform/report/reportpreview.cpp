// The installed preview, and the PDF file that stands for a preview without a screen.
#include "reportpreview.h"

#include "platform/os/applicationfolder.h"

#include <QDir>
#include <QFile>

namespace report {

namespace {

ReportPreview::Presenter& presenter() {
    static ReportPreview::Presenter current;
    return current;
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
    return std::make_unique<PdfPreview>(*report);
}

} // namespace report
