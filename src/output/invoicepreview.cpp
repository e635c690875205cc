// The report preview of an outstanding shop invoice: the report of its kind with its parameters.
#include "invoicepreview.h"

#include "shopreportengine.h"

#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"
#include "platform/forms/runtime.h"
#include "platform/os/applicationfolder.h"
#include "shared/session.h"

#include <utility>
#include <vector>

namespace output {

using shared::session;

namespace {

const QString NoDetailsMessage = QStringLiteral("No details found.   ");
const QString SalesInvoice = QStringLiteral("Sales Invoice");
const QString SpecialInvoice = QStringLiteral("Special Invoice");
const QString ServiceInvoice = QStringLiteral("Service Invoice");

// The report of one kind of invoice: its file (empty for kinds without a report), its window title and
// its parameter values by name, in the report's order.
struct InvoiceReport {
    QString file;
    QString title;
    std::vector<std::pair<QString, QString>> parameters;
};

QString previewUserName() {
    shared::Session& s = session();
    if (!s.commonDb) throw core::RuntimeError::of(core::err::ObjectNotSet);
    return core::toText(
               s.commonDb->fnreturnfield(QStringLiteral("lousers where userid=") + QString::number(s.userId),
                                         QStringLiteral("UserName")))
        .toUpper();
}

// A special and a service invoice print with the same parameters, the window title naming the report.
InvoiceReport specialOrServiceReport(const QString& file, const QString& title, const QString& userName,
                                     const QString& invoiceId) {
    return {file,
            title,
            {{QStringLiteral("strReportName"), title},
             {QStringLiteral("strUserName"), userName},
             {QStringLiteral("intShopID"), QString::number(session().shopId)},
             {QStringLiteral("intInvoiceID"), invoiceId}}};
}

// The report of the kind; a kind without one leaves the file empty. The inventory rate is worked out
// only for a sales invoice, whose report needs it.
InvoiceReport reportOfKind(const QString& kind, const QString& invoiceId, const QString& userName,
                           const std::function<double()>& inventoryRate) {
    if (kind == SalesInvoice)
        return {QStringLiteral("\\reports\\rptCreditInvoice.rpt"),
                QStringLiteral("Credit Invoice"),
                {{QStringLiteral("intShopID"), QString::number(session().shopId)},
                 {QStringLiteral("intInvoiceID"), invoiceId},
                 {QStringLiteral("intInventoryCurrExRate"), core::numberText(inventoryRate())},
                 {QStringLiteral("strUserName"), userName}}};
    if (kind == SpecialInvoice)
        return specialOrServiceReport(QStringLiteral("\\reports\\rptSpecialInvReturn.rpt"), SpecialInvoice,
                                      userName, invoiceId);
    if (kind == ServiceInvoice)
        return specialOrServiceReport(QStringLiteral("\\reports\\rptServiceInvoicePOS.rpt"), ServiceInvoice,
                                      userName, invoiceId);
    return {};
}

} // namespace

InvoicePreview::InvoicePreview(const ado::ConnectionPtr& connection)
    : userName_(previewUserName()), engine_(shopReportEngine(connection)) {
    engine_->logOnServer(QStringLiteral("pdsodbc.dll"), QStringLiteral("admindsnv2"),
                         QStringLiteral("Adminv2"), QStringLiteral("Admin"));
}

void InvoicePreview::show(const QString& kindText, const QString& invoiceId,
                          const std::function<double()>& inventoryRate) {
    const InvoiceReport chosen = reportOfKind(kindText, invoiceId, userName_, inventoryRate);
    const std::unique_ptr<report::Report> report =
        engine_->openReport(chosen.file.isEmpty() ? QString() : os::applicationFolder() + chosen.file);
    for (const auto& [parameter, value] : chosen.parameters)
        report->parameterField(parameter).setCurrentValue(value);
    const std::unique_ptr<report::PreviewWindow> preview =
        report->preview(chosen.title, shopPreviewOptions());
    if (report->recordCount() == 0) {
        preview->close();
        forms::Runtime::msgBox(NoDetailsMessage, forms::MsgButtons::OK, forms::MsgIcon::Information,
                               session().msgboxCaption);
    }
    preview->bringToTop();
}

} // namespace output
