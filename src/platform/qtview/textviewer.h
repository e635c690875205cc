// The module's own viewer for text files such as the voucher sent "To Screen".
#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPrinter;

namespace qtview {

// Shows a text file read-only in a monospace font, with a Print button.
class TextViewer : public QWidget {
public:
    // Reads the file; throws RuntimeError 53 when it cannot be read.
    explicit TextViewer(const QString& path, QWidget* parent = nullptr);

    QString text() const;
    const QPlainTextEdit& editor() const { return *editor_; }
    // Prints the text on the printer as set up.
    void print(QPrinter& printer) const;

private:
    void choosePrinterAndPrint();
    QPlainTextEdit* editor_;
};

// Opens the viewer on the file and returns at once; the window stays usable above modal windows and
// deletes itself when closed.
TextViewer* showTextFile(const QString& path);

} // namespace qtview
