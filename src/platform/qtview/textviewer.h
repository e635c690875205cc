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

    QPlainTextEdit& editor() const { return *editor_; }
    // Prints the text as shown on the printer as set up: a page printer would draw the codes as boxes (a
    // line printer takes the file itself, through the voucher's port).
    void print(QPrinter& printer) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void choosePrinterAndPrint();
    QPlainTextEdit* editor_;
};

// Opens the viewer on the file centred on the active window and returns at once; the window stays
// usable above modal windows and deletes itself when closed.
TextViewer* showTextFile(const QString& path);

} // namespace qtview
