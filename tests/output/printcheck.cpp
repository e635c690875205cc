// printcheck SCENARIO FOLDER: runs the scenario as receipts-host --script does, except that each report it
// previews opens in the screen's preview window and is printed from there as a cashier prints it: Print,
// then OK in the print dialog, on the printer the dialog starts on. Each print is told on standard error as
// "PRINTED printer=NAME" (empty: a file). tools/check-printing runs it against a print queue.
#include "host/hostoptions.h"
#include "host/scenariohost.h"
#include "platform/qtview/reportpreviewwindow.h"

#include <QAction>
#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <iostream>

namespace {

constexpr int PollMs = 10;

// Accepts the print dialog once it is the modal window, then tells which printer it printed on.
void acceptPrintDialog() {
    QTimer::singleShot(PollMs, [] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog) return acceptPrintDialog();
        dialog->accept();
        std::cerr << "PRINTED printer=" << qPrintable(dialog->printer()->printerName()) << std::endl;
    });
}

// The preview after its pages were printed and the window closed.
class PrintedPreview : public report::PreviewWindow {
public:
    bool isOpen() const override { return false; }
    void close() override {}
    void bringToTop() override {}
};

std::unique_ptr<report::PreviewWindow> printFromPreview(std::shared_ptr<const report::RenderedReport> report,
                                                        const report::WindowOptions& options) {
    qtview::ReportPreviewWindow window(std::move(report), options);
    window.show();
    QAction* print = window.tool(QStringLiteral("print"));
    if (!print) qFatal("the preview offers no Print");
    acceptPrintDialog();
    print->trigger();
    return std::make_unique<PrintedPreview>();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 3) {
        std::cerr << "usage: printcheck SCENARIO FOLDER\n";
        return 2;
    }
    report::ReportPreview::setPresenter(printFromPreview);
    host::HostOptions options;
    options.script = QString::fromLocal8Bit(argv[1]);
    options.folder = QString::fromLocal8Bit(argv[2]);
    const int status = host::ScenarioHost::run(options);
    report::ReportPreview::setPresenter(nullptr);
    return status;
}
