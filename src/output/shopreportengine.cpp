// The functions the shop's report layouts print with.
#include "shopreportengine.h"

#include "amountinwords.h"

#include "platform/core/conversions.h"

namespace output {

std::unique_ptr<report::ReportEngine> shopReportEngine(const ado::ConnectionPtr& sessionDatabase) {
    auto engine = std::make_unique<report::ReportEngine>(sessionDatabase);
    // Spelled from the amount as the voucher prints it, so both say the same words.
    engine->defineFunction(QStringLiteral("words"), [](const QVariant& amount) {
        return ToWords(core::format(amount, QStringLiteral("0.00")));
    });
    return engine;
}

report::WindowOptions shopPreviewOptions() {
    report::WindowOptions options;
    options.maximised = true;
    options.printButton = options.exportButton = options.zoomControl = options.pageNavigation = true;
    return options;
}

} // namespace output
