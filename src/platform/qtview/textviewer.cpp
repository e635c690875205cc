// The text viewer window: loading the file, the monospace page and printing.
#include "textviewer.h"

#include "platform/core/runtimeerror.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStringDecoder>
#include <QVBoxLayout>

namespace qtview {

namespace {

// Output files are written in a single-byte code page; text that is valid UTF-8 is read as such.
QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) text = QString::fromLatin1(bytes);
    return text.remove(QLatin1Char('\r'));
}

QString readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw core::RuntimeError::of(core::err::FileNotFound);
    return decode(file.readAll());
}

} // namespace

TextViewer::TextViewer(const QString& path, QWidget* parent)
    : QWidget(parent, Qt::Window), editor_(new QPlainTextEdit(this)) {
    editor_->setReadOnly(true);
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    editor_->setPlainText(readFile(path));
    auto* printButton = new QPushButton(tr("&Print"), this);
    connect(printButton, &QPushButton::clicked, this, &TextViewer::choosePrinterAndPrint);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(printButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(editor_);
    layout->addLayout(buttons);
    setWindowTitle(QFileInfo(path).fileName());
    resize(800, 600);
}

QString TextViewer::text() const {
    return editor_->toPlainText();
}

void TextViewer::print(QPrinter& printer) const {
    editor_->print(&printer);
}

void TextViewer::choosePrinterAndPrint() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) print(printer);
}

TextViewer* showTextFile(const QString& path) {
    auto* viewer = new TextViewer(path);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->setWindowModality(Qt::ApplicationModal);
    viewer->show();
    return viewer;
}

} // namespace qtview
