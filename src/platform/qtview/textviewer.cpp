// The text viewer window: loading the file, the monospace page without the printer's codes, printing and
// where the window opens.
#include "textviewer.h"

#include "platform/core/runtimeerror.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStringDecoder>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

namespace qtview {

namespace {

const QChar Escape = QChar(27);
// Escape commands of the line printers that take one byte after the command letter.
const QString OneByteCommands = QStringLiteral("!-3ACJNQSUWlx");

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

// The voucher's codes (shift out and in, the form feed after each copy, escape sequences) are for the
// printer: on the screen they would show as boxes. Tabs and line ends stay; a code never takes a line end.
QString withoutPrinterCodes(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    auto takesNext = [&text](qsizetype i) { return i + 1 < text.size() && text[i + 1] != QLatin1Char('\n'); };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == Escape) {
            if (!takesNext(i)) continue;
            ++i; // the command letter
            if (OneByteCommands.contains(text[i]) && takesNext(i)) ++i;
        } else if (c.unicode() >= 0x20 || c == QLatin1Char('\t') || c == QLatin1Char('\n')) {
            shown += c;
        }
    }
    return shown;
}

// Where a window of that length starts when centred on `centre` and kept between `from` and `to`.
int centred(int length, int centre, int from, int to) {
    return std::max(from, std::min(centre - length / 2, to - length));
}

// Centred on the window it was opened from, else on the screen, and kept within that screen.
void centre(QWidget& window, const QWidget* owner) {
    const QRect area = (owner ? owner->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    const QPoint middle = owner ? owner->frameGeometry().center() : area.center();
    const QSize size = window.frameGeometry().size();
    window.move(centred(size.width(), middle.x(), area.left(), area.left() + area.width()),
                centred(size.height(), middle.y(), area.top(), area.top() + area.height()));
}

} // namespace

TextViewer::TextViewer(const QString& path, QWidget* parent)
    : QWidget(parent, Qt::Window), editor_(new QPlainTextEdit(this)) {
    editor_->setReadOnly(true);
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    editor_->setPlainText(withoutPrinterCodes(readFile(path)));
    auto* printButton = new QPushButton(tr("&Print"), this);
    connect(printButton, &QPushButton::clicked, this, &TextViewer::choosePrinterAndPrint);
    auto* closeButton = new QPushButton(tr("&Close"), this);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(printButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(editor_);
    layout->addLayout(buttons);
    setWindowTitle(QFileInfo(path).fileName());
    resize(800, 600);
}

void TextViewer::print(QPrinter& printer) const {
    QTextDocument page;
    page.setDefaultFont(editor_->font());
    page.setPlainText(editor_->toPlainText());
    page.print(&printer);
}

void TextViewer::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel))
        close();
    else
        QWidget::keyPressEvent(event);
}

void TextViewer::choosePrinterAndPrint() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) print(printer);
}

TextViewer* showTextFile(const QString& path) {
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner) owner = QApplication::activeWindow();
    auto* viewer = new TextViewer(path);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->setWindowModality(Qt::ApplicationModal);
    centre(*viewer, owner);
    viewer->show();
    return viewer;
}

} // namespace qtview
