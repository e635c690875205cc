// A finished run laid out for pages: what previews show, printers print and PDF files keep.
#pragma once

#include <QPageLayout>
#include <QString>
#include <memory>

class QImage;
class QPagedPaintDevice;
class QTextDocument;

namespace report {

class RenderedReport {
public:
    // name: the report file's name without folder and suffix ("rptDummyReceipt").
    RenderedReport(const QString& name, const QString& title, const QPageLayout& layout, const QString& html);
    ~RenderedReport();
    RenderedReport(const RenderedReport&) = delete;
    RenderedReport& operator=(const RenderedReport&) = delete;

    const QString& name() const { return name_; }
    const QString& title() const { return title_; }
    const QPageLayout& pageLayout() const { return layout_; }
    // Laid out in pages of the page layout's printable area, without page numbers of its own.
    const QTextDocument& document() const { return *document_; }

    // Prints every page on the device with the report's page layout (a printer the user chose, or
    // a PDF writer).
    void print(QPagedPaintDevice& device) const;
    // Writes the pages to a PDF file titled as the report; error 75 when it cannot be written.
    void writePdf(const QString& path) const;

private:
    QString name_;
    QString title_;
    QPageLayout layout_;
    // Fixes the resolution the document is laid out at, whatever screen there is or is not.
    std::unique_ptr<QImage> layoutDevice_;
    std::unique_ptr<QTextDocument> document_;
};

} // namespace report
