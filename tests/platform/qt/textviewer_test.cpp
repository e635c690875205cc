// The text viewer: file contents, read-only monospace page, printing and errors.
#include "platform/core/runtimeerror.h"
#include "platform/qt/textviewer.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using qtview::TextViewer;

namespace {

class TextViewerFile : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes) {
        const QString path = folder.filePath(QStringLiteral("Receipts.txt"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir folder;
};

TEST_F(TextViewerFile, showsTheFileWithoutCarriageReturns) {
    TextViewer viewer(write("RECEIPT\r\nAmount  12.50\r\n"));
    EXPECT_EQ(viewer.text(), QStringLiteral("RECEIPT\nAmount  12.50\n"));
    EXPECT_EQ(viewer.windowTitle(), QStringLiteral("Receipts.txt"));
}

TEST_F(TextViewerFile, singleByteTextIsReadAsLatinOne) {
    TextViewer viewer(write("Total \xA3 5\r\n"));
    EXPECT_EQ(viewer.text(), QStringLiteral("Total \u00A3 5\n"));
}

TEST_F(TextViewerFile, utf8TextIsReadAsSuch) {
    TextViewer viewer(write("Total \xC2\xA3 5"));
    EXPECT_EQ(viewer.text(), QStringLiteral("Total \u00A3 5"));
}

TEST_F(TextViewerFile, pageIsReadOnlyAndMonospace) {
    TextViewer viewer(write("x"));
    EXPECT_TRUE(viewer.editor().isReadOnly());
    EXPECT_EQ(viewer.editor().font().family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    EXPECT_EQ(viewer.editor().lineWrapMode(), QPlainTextEdit::NoWrap);
}

TEST_F(TextViewerFile, printsTheText) {
    TextViewer viewer(write("RECEIPT\r\n"));
    QPrinter printer;
    const QString pdf = folder.filePath(QStringLiteral("out.pdf"));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    viewer.print(printer);
    EXPECT_GT(QFileInfo(pdf).size(), 0);
}

TEST_F(TextViewerFile, showTextFileOpensAModalWindowThatGoesWhenClosed) {
    QPointer<TextViewer> viewer = qtview::showTextFile(write("x"));
    ASSERT_FALSE(viewer.isNull());
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->windowModality(), Qt::ApplicationModal);
    viewer->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(viewer.isNull());
}

TEST(TextViewer, missingFileFailsWithFileNotFound) {
    try {
        TextViewer viewer(QStringLiteral("/nonexistent/Receipts.txt"));
        FAIL() << "no error";
    } catch (const rt::RuntimeError& error) {
        EXPECT_EQ(error.number(), rt::err::FileNotFound);
    }
}

} // namespace
