// The module's own viewer for text files such as the voucher sent "To Screen".
#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPrinter;

namespace qtview {

// Shows a text file read-only in a monospace font, with Print and Close buttons; Escape closes it too.
// The printer's codes in the file (escape sequences, form feeds, other control characters) are not shown.
class TextViewer : public QWidget {
public:
    // Reads the file; throws RuntimeError 53 when it cannot be read.
    explicit TextViewer(const QString& path, QWidget* parent = nullptr);

    // The file's text, printer's codes included.
    QString text() const { return text_; }
    QPlainTextEdit& editor() const { return *editor_; }
    // Prints the file's text, printer's codes included, on the printer as set up.
    void print(QPrinter& printer) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void choosePrinterAndPrint();
    QString text_;
    QPlainTextEdit* editor_;
};

// Opens the viewer on the file centred on the active window and returns at once; the window stays
// usable above modal windows and deletes itself when closed.
TextViewer* showTextFile(const QString& path);

} // namespace qtview
