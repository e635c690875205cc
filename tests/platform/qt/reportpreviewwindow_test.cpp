// The report preview window: title, the tools its options allow, pages, and the engine's handle on it.
#include "platform/qt/reportpreviewwindow.h"
#include "platform/report/renderedreport.h"

#include <QAction>
#include <QApplication>
#include <QPrintPreviewWidget>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

using qtview::ReportPreviewWindow;

std::shared_ptr<const report::RenderedReport> twoPageReport() {
    const QPageLayout layout(QPageSize(QPageSize::A5), QPageLayout::Portrait, QMarginsF(8, 8, 8, 8),
                             QPageLayout::Millimeter);
    return std::make_shared<const report::RenderedReport>(
        QStringLiteral("rptDummyReceiptA5"), QStringLiteral("Receipts"), layout,
        QStringLiteral("<p>first page</p><p style=\"page-break-before: always\">second page</p>"));
}

report::WindowOptions everyTool() {
    report::WindowOptions options;
    options.printButton = options.exportButton = options.zoomControl = options.pageNavigation = true;
    return options;
}

TEST(ReportPreviewWindow, isTitledAsTheReportAndShowsItsPages) {
    ReportPreviewWindow window(twoPageReport(), {});
    EXPECT_EQ(window.windowTitle(), "Receipts");
    EXPECT_EQ(window.pages().pageCount(), 2);
}

TEST(ReportPreviewWindow, offersOnlyTheToolsItsOptionsAllow) {
    ReportPreviewWindow bare(twoPageReport(), {});
    EXPECT_TRUE(bare.toolBar().actions().isEmpty());
    report::WindowOptions zoomOnly;
    zoomOnly.zoomControl = true;
    ReportPreviewWindow zooming(twoPageReport(), zoomOnly);
    EXPECT_NE(zooming.tool(QStringLiteral("zoomIn")), nullptr);
    EXPECT_EQ(zooming.tool(QStringLiteral("print")), nullptr);
    EXPECT_EQ(zooming.tool(QStringLiteral("nextPage")), nullptr);
    ReportPreviewWindow full(twoPageReport(), everyTool());
    for (const char* name : {"print", "export", "zoomIn", "zoomOut", "fitWidth", "firstPage", "previousPage",
                             "nextPage", "lastPage"})
        EXPECT_NE(full.tool(QString::fromLatin1(name)), nullptr) << name;
}

TEST(ReportPreviewWindow, pageToolsMoveThroughThePages) {
    ReportPreviewWindow window(twoPageReport(), everyTool());
    window.tool(QStringLiteral("lastPage"))->trigger();
    EXPECT_EQ(window.pages().currentPage(), 2);
    window.tool(QStringLiteral("previousPage"))->trigger();
    EXPECT_EQ(window.pages().currentPage(), 1);
    window.tool(QStringLiteral("nextPage"))->trigger();
    window.tool(QStringLiteral("firstPage"))->trigger();
    EXPECT_EQ(window.pages().currentPage(), 1);
    const qreal zoom = window.pages().zoomFactor();
    window.tool(QStringLiteral("zoomIn"))->trigger();
    EXPECT_GT(window.pages().zoomFactor(), zoom);
}

TEST(ShowReportPreview, opensMaximisedAboveModalWindowsAndTheHandleFollowsTheWindow) {
    report::WindowOptions options;
    options.maximised = true;
    std::unique_ptr<report::PreviewWindow> handle = qtview::showReportPreview(twoPageReport(), options);
    QWidget* shown = nullptr;
    for (QWidget* candidate : QApplication::topLevelWidgets())
        if (dynamic_cast<ReportPreviewWindow*>(candidate) && candidate->isVisible()) shown = candidate;
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(shown->windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(handle->isOpen());
    handle->bringToTop();
    handle->close();
    EXPECT_FALSE(handle->isOpen());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(handle->isOpen());
    handle->close();
    handle->bringToTop();
}

} // namespace
