// The text viewer showing and printing a file, and the report preview window with its tools and pages.
#include "platform/core/runtimeerror.h"
#include "platform/qtview/reportpreviewwindow.h"
#include "platform/qtview/textviewer.h"
#include "platform/report/renderedreport.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGraphicsView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

using qtview::ReportPreviewWindow;
using qtview::TextViewer;

// Output files are single-byte text with CR LF line ends, unless they are valid UTF-8. The printer's codes
// are not shown but stay in the text printed; Escape closes the window.
TEST(TextViewer, showsTheFileWithoutPrinterCodesAndPrintsIt) {
    QTemporaryDir folder;
    const QString path = folder.filePath("Receipts.txt"), pdf = folder.filePath("out.pdf");
    for (const auto& [bytes, shown] :
         {std::pair<QByteArray, QString>{"RECEIPT\r\n12.50\r\n", "RECEIPT\n12.50\n"},
          {"Total \xA3 5", "Total \u00A3 5"},
          {"Total \xC2\xA3 5", "Total \u00A3 5"},
          {"\x0E\x0FShop\tA\r\n\x1B@\x1BG\x1B-1Bold\x1B\r\n\x0C\r\n", "Shop\tA\nBold\n\n"},
          {"Line\x1B-\r\nEnd\x1BW\r\n", "Line\nEnd\n"}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        EXPECT_EQ(TextViewer(path).editor().toPlainText(), shown) << bytes.toStdString();
    }
    TextViewer viewer(path);
    EXPECT_EQ(viewer.windowTitle(), "Receipts.txt");
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    viewer.print(printer);
    EXPECT_GT(QFile(pdf).size(), 0);
    QPointer<TextViewer> shown = qtview::showTextFile(path);
    EXPECT_TRUE(shown->isVisible() && shown->windowModality() == Qt::ApplicationModal);
    QTest::keyClick(&shown->editor(), Qt::Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(shown.isNull());
    try {
        TextViewer missing("/nonexistent/Receipts.txt");
        ADD_FAILURE() << "a missing file opened";
    } catch (const core::RuntimeError& error) {
        EXPECT_EQ(error.number(), core::err::FileNotFound);
    }
}

std::shared_ptr<const report::RenderedReport> twoPageReport() {
    return std::make_shared<const report::RenderedReport>(
        "rptDummyReceiptA5", "Receipts", QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Portrait, {}),
        "<p>first page</p><p style=\"page-break-before: always\">second page</p>");
}

TEST(ReportPreviewWindow, offersTheToolsItsOptionsAllowAndMovesThroughThePages) {
    for (const auto& [options, tools] : {std::pair<report::WindowOptions, QString>{{}, ""},
                                         {{.zoomControl = true}, "zoomIn zoomOut fitWidth"},
                                         {{.printButton = true, .exportButton = true, .pageNavigation = true},
                                          "print export firstPage previousPage nextPage lastPage"}}) {
        ReportPreviewWindow window(twoPageReport(), options);
        QStringList names;
        for (QAction* action : window.toolBar().actions())
            if (!action->objectName().isEmpty()) names << action->objectName();
        EXPECT_EQ(names.join(' '), tools);
        EXPECT_EQ(window.windowTitle(), "Receipts");
        EXPECT_EQ(window.pages().pageCount(), 2);
    }
    ReportPreviewWindow window(twoPageReport(), {.zoomControl = true, .pageNavigation = true});
    for (const auto& [tool, page] :
         {std::pair{"lastPage", 2}, {"previousPage", 1}, {"nextPage", 2}, {"firstPage", 1}}) {
        window.tool(tool)->trigger();
        EXPECT_EQ(window.pages().currentPage(), page) << tool;
    }
    const qreal before = window.pages().zoomFactor();
    window.tool("zoomIn")->trigger();
    EXPECT_GT(window.pages().zoomFactor(), before);
}

// Zooming keeps the top of the page, where its header is, at the top of the view; Ctrl++ and Ctrl+= zoom in,
// Ctrl+- out, Ctrl+0 back to the opening zoom; Escape closes the window.
TEST(ReportPreviewWindow, zoomByToolsAndKeysKeepsThePageTopInViewAndEscapeCloses) {
    ReportPreviewWindow window(twoPageReport(), {.zoomControl = true});
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const qreal opening = window.pages().zoomFactor();
    auto& view = *window.pages().findChild<QGraphicsView*>();
    auto pageTop = [&view] { return view.mapFromScene(view.sceneRect().topLeft()).y(); }; // in the view
    const int top = pageTop();
    for (const auto& [key, zoom] : {std::pair{Qt::Key_Plus, 1.25},
                                    {Qt::Key_Equal, 1.25 * 1.25},
                                    {Qt::Key_Minus, 1.25},
                                    {Qt::Key_0, 1.0}}) {
        QTest::keyClick(&view, key, Qt::ControlModifier);
        EXPECT_NEAR(window.pages().zoomFactor(), opening * zoom, 0.001) << key;
        EXPECT_NEAR(pageTop(), top, 1) << key;
    }
    for (const char* tool : {"zoomIn", "zoomIn", "zoomOut", "fitWidth"}) {
        window.tool(tool)->trigger();
        EXPECT_NEAR(pageTop(), top, 1) << tool;
    }
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST(ReportPreviewWindow, opensMaximisedAboveModalWindowsAndTheHandleFollowsTheWindow) {
    std::unique_ptr<report::PreviewWindow> handle =
        qtview::showReportPreview(twoPageReport(), {.maximised = true});
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
    handle->close(); // the window is gone: nothing to do
    handle->bringToTop();
}

} // namespace
