// Laying a report's HTML out with Qt's text document engine, and its printed and PDF pages.
#include "renderedreport.h"

#include "reportfailure.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QImage>
#include <QPdfWriter>
#include <QTextDocument>

#include <cmath>

namespace report {

namespace {
// Fine enough for print; a paginated document is scaled from its layout to the device.
constexpr int Resolution = 300;
constexpr double PointsPerInch = 72;
constexpr double MetresPerInch = 0.0254;
} // namespace

RenderedReport::RenderedReport(const QString& name, const QString& title, const QPageLayout& layout,
                               const QString& html)
    : name_(name), title_(title), layout_(layout),
      layoutDevice_(std::make_unique<QImage>(1, 1, QImage::Format_Mono)),
      document_(std::make_unique<QTextDocument>()) {
    const int dotsPerMetre = int(std::lround(Resolution / MetresPerInch));
    layoutDevice_->setDotsPerMeterX(dotsPerMetre);
    layoutDevice_->setDotsPerMeterY(dotsPerMetre);
    document_->documentLayout()->setPaintDevice(layoutDevice_.get());
    // The page layout's margins are the report's margins: the document adds none, and being paginated
    // it is printed as laid out instead of with the engine's own margins and page numbers.
    document_->setDocumentMargin(0);
    document_->setPageSize(layout.paintRect(QPageLayout::Point).size() * (Resolution / PointsPerInch));
    document_->setHtml(html);
    document_->setMetaInformation(QTextDocument::DocumentTitle, title);
}

RenderedReport::~RenderedReport() = default;

void RenderedReport::print(QPagedPaintDevice& device) const {
    device.setPageLayout(layout_);
    document_->print(&device);
}

void RenderedReport::writePdf(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw detailedFailure(core::err::PathAccess, path);
    {
        QPdfWriter writer(&file);
        writer.setResolution(Resolution);
        writer.setTitle(title_);
        writer.setCreator(QStringLiteral("Receipts"));
        print(writer);
    }
    if (file.error() != QFileDevice::NoError) throw detailedFailure(core::err::PathAccess, path);
    file.close();
}

} // namespace report
