// The report preview window: pages drawn by the report itself, the tool bar and the window handle.
#include "reportpreviewwindow.h"

#include "platform/core/runtimeerror.h"

#include <QAction>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace qtview {

namespace {

constexpr double ZoomStep = 1.25;

// The engine's handle on a preview that may already have been closed by the user.
class PreviewHandle : public report::PreviewWindow {
public:
    explicit PreviewHandle(ReportPreviewWindow* window) : window_(window) {}
    bool isOpen() const override { return window_ && window_->isVisible(); }
    void close() override {
        if (window_) window_->close();
    }
    void bringToTop() override {
        if (!window_) return;
        window_->raise();
        window_->activateWindow();
    }

private:
    QPointer<ReportPreviewWindow> window_;
};

} // namespace

ReportPreviewWindow::ReportPreviewWindow(std::shared_ptr<const report::RenderedReport> report,
                                         const report::WindowOptions& options, QWidget* parent)
    : QWidget(parent, Qt::Window), report_(std::move(report)),
      printer_(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution), toolBar_(new QToolBar(this)) {
    printer_.setPageLayout(report_->pageLayout());
    // The name the print queue lists the job under.
    printer_.setDocName(report_->title());
    pages_ = new QPrintPreviewWidget(&printer_, this);
    openingZoomMode_ = pages_->zoomMode();
    connect(pages_, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* printer) { report_->print(*printer); });
    if (options.printButton) addTool(QStringLiteral("print"), tr("&Print..."), &ReportPreviewWindow::print);
    if (options.exportButton) {
        QAction* save =
            addTool(QStringLiteral("export"), tr("&Save as PDF..."), &ReportPreviewWindow::savePdf);
        save->setToolTip(
            tr("Save as PDF (%1)").arg(QKeySequence(QKeySequence::Save).toString(QKeySequence::NativeText)));
    }
    if (options.zoomControl) addZoomTools();
    if (options.pageNavigation) addPageTools();
    addZoomKeys();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(toolBar_);
    layout->addWidget(pages_);
    setWindowTitle(report_->title());
    resize(900, 700);
    pages_->updatePreview();
    showPageNumber();
}

QAction* ReportPreviewWindow::tool(const QString& name) const {
    for (QAction* action : toolBar_->actions())
        if (action->objectName() == name) return action;
    return nullptr;
}

QAction* ReportPreviewWindow::addTool(const QString& name, const QString& text,
                                      void (ReportPreviewWindow::*slot)()) {
    QAction* action = toolBar_->addAction(text, this, slot);
    action->setObjectName(name);
    return action;
}

void ReportPreviewWindow::addZoomTools() {
    toolBar_->addSeparator();
    addTool(QStringLiteral("zoomIn"), tr("Zoom &in"), &ReportPreviewWindow::zoomIn);
    addTool(QStringLiteral("zoomOut"), tr("Zoom &out"), &ReportPreviewWindow::zoomOut);
    addTool(QStringLiteral("fitWidth"), tr("Fit &width"), &ReportPreviewWindow::fitWidth);
}

// Ctrl++ (Ctrl+= too, the same key without Shift), Ctrl+- and Ctrl+0 zoom whether or not the tool bar
// offers the zoom tools; Ctrl+S saves as PDF whether or not it offers Save as PDF.
void ReportPreviewWindow::addZoomKeys() {
    const QKeySequence ctrlEqual(Qt::CTRL | Qt::Key_Equal);
    QList<QKeySequence> zoomInKeys = QKeySequence::keyBindings(QKeySequence::ZoomIn);
    if (!zoomInKeys.contains(ctrlEqual)) zoomInKeys << ctrlEqual;
    for (const auto& [keys, slot] :
         {std::pair{zoomInKeys, &ReportPreviewWindow::zoomIn},
          {QKeySequence::keyBindings(QKeySequence::ZoomOut), &ReportPreviewWindow::zoomOut},
          {QList{QKeySequence(Qt::CTRL | Qt::Key_0)}, &ReportPreviewWindow::openingZoom},
          {QKeySequence::keyBindings(QKeySequence::Save), &ReportPreviewWindow::savePdf}}) {
        auto* action = new QAction(this);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    }
}

void ReportPreviewWindow::addPageTools() {
    toolBar_->addSeparator();
    addTool(QStringLiteral("firstPage"), tr("First"), &ReportPreviewWindow::firstPage);
    addTool(QStringLiteral("previousPage"), tr("Previous"), &ReportPreviewWindow::previousPage);
    addTool(QStringLiteral("nextPage"), tr("Next"), &ReportPreviewWindow::nextPage);
    addTool(QStringLiteral("lastPage"), tr("Last"), &ReportPreviewWindow::lastPage);
    pageNumber_ = new QLabel(this);
    toolBar_->addWidget(pageNumber_);
    connect(pages_, &QPrintPreviewWidget::previewChanged, this, &ReportPreviewWindow::showPageNumber);
}

void ReportPreviewWindow::print() {
    QPrintDialog dialog(&printer_, this);
    if (dialog.exec() == QDialog::Accepted) report_->print(printer_);
    pages_->updatePreview();
}

void ReportPreviewWindow::savePdf() {
    try {
        report::ReportPreview::saveAsPdf(*report_);
    } catch (const core::RuntimeError& error) {
        QMessageBox::warning(this, windowTitle(), error.description());
    }
}

void ReportPreviewWindow::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel))
        close();
    else
        QWidget::keyPressEvent(event);
}

void ReportPreviewWindow::zoomIn() {
    zoomKeepingTop([this] { pages_->zoomIn(ZoomStep); });
}

void ReportPreviewWindow::zoomOut() {
    zoomKeepingTop([this] { pages_->zoomOut(ZoomStep); });
}

void ReportPreviewWindow::fitWidth() {
    zoomKeepingTop([this] { pages_->fitToWidth(); });
}

void ReportPreviewWindow::openingZoom() {
    zoomKeepingTop([this] { pages_->setZoomMode(openingZoomMode_); });
}

// The pages zoom about the middle of what is shown, which would scroll the page header out of view: the
// part of the page at the top of the view stays there instead.
void ReportPreviewWindow::zoomKeepingTop(const std::function<void()>& zoom) {
    auto* view = pages_->findChild<QGraphicsView*>();
    const QPointF top = view->mapToScene(QPoint(view->viewport()->width() / 2, 0));
    zoom();
    QScrollBar* scrolling = view->verticalScrollBar();
    scrolling->setValue(scrolling->value() + view->mapFromScene(top).y());
}

void ReportPreviewWindow::firstPage() {
    pages_->setCurrentPage(1);
    showPageNumber();
}

void ReportPreviewWindow::previousPage() {
    pages_->setCurrentPage(pages_->currentPage() - 1);
    showPageNumber();
}

void ReportPreviewWindow::nextPage() {
    pages_->setCurrentPage(pages_->currentPage() + 1);
    showPageNumber();
}

void ReportPreviewWindow::lastPage() {
    pages_->setCurrentPage(pages_->pageCount());
    showPageNumber();
}

void ReportPreviewWindow::showPageNumber() {
    if (pageNumber_)
        pageNumber_->setText(tr("  Page %1 of %2").arg(pages_->currentPage()).arg(pages_->pageCount()));
}

std::unique_ptr<report::PreviewWindow> showReportPreview(std::shared_ptr<const report::RenderedReport> report,
                                                         const report::WindowOptions& options) {
    auto* window = new ReportPreviewWindow(std::move(report), options);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // The windows that print are modal; the preview must take input above them.
    window->setWindowModality(Qt::ApplicationModal);
    if (options.maximised)
        window->showMaximized();
    else
        window->show();
    return std::make_unique<PreviewHandle>(window);
}

} // namespace qtview
