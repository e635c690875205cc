// The print preview of a finished report: its pages, with printing, Save as PDF, zoom and page moves.
#pragma once

#include "platform/report/reportpreview.h"

#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QWidget>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QToolBar;

namespace qtview {

class ReportPreviewWindow : public QWidget {
public:
    // The window is titled as the report; the options decide which tools its tool bar offers.
    ReportPreviewWindow(std::shared_ptr<const report::RenderedReport> report,
                        const report::WindowOptions& options, QWidget* parent = nullptr);

    QPrintPreviewWidget& pages() const { return *pages_; }
    QToolBar& toolBar() const { return *toolBar_; }
    // The tool of the tool bar with that object name ("print", "export", "zoomIn", "nextPage", ...),
    // or nullptr when the options left it out.
    QAction* tool(const QString& name) const;

protected:
    // Escape closes the preview.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QAction* addTool(const QString& name, const QString& text, void (ReportPreviewWindow::*slot)());
    void addZoomTools();
    void addZoomKeys();
    void addPageTools();
    void print();
    void savePdf();
    void zoomIn();
    void zoomOut();
    void fitWidth();
    // Back to the zoom the preview opened with.
    void openingZoom();
    void zoomKeepingTop(const std::function<void()>& zoom);
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();
    void showPageNumber();

    std::shared_ptr<const report::RenderedReport> report_;
    // Where Print starts: the system's default printer (without one its first printer, without any a
    // PDF file), on the report's paper.
    QPrinter printer_;
    QPrintPreviewWidget* pages_;
    QPrintPreviewWidget::ZoomMode openingZoomMode_;
    QToolBar* toolBar_;
    QLabel* pageNumber_ = nullptr;
};

// Opens the preview above the modal windows, maximised when the options say so, and returns at
// once; the window deletes itself when closed. Installed as the report engine's presenter by the GUI.
std::unique_ptr<report::PreviewWindow> showReportPreview(std::shared_ptr<const report::RenderedReport> report,
                                                         const report::WindowOptions& options);

} // namespace qtview
