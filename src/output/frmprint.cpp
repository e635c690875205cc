// The print dialog: its controls, the destination it opens with, and OK for the voucher and the report.
#include "frmprint.h"

#include "shopreportengine.h"
#include "textvoucher.h"

#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"
#include "platform/forms/grid.h"
#include "platform/forms/runtime.h"
#include "platform/forms/userinput.h"
#include "platform/os/applicationfolder.h"
#include "shared/filecode.h"
#include "shared/reporterror.h"
#include "shared/session.h"

namespace output {

namespace {

const QString FormName = QStringLiteral("frmPrint");
const QString OkProcedure = QStringLiteral("cmdOK_Click");
const QString ReceiptReportA4 = QStringLiteral("\\reports\\rptDummyReceipt.rpt");
const QString ReceiptReportA5 = QStringLiteral("\\reports\\rptDummyReceiptA5.rpt");

// The leading number of a setting, rounded to a whole number; no number (a missing key) gives 0.
qint16 numericSetting(const QString& key) {
    return core::toInt16(core::val(shared::FileCode(key, shared::settingsFilePath())));
}

// The receipt in the register grid's current row (column 0); error 91 without a register.
QString currentReceiptId() {
    shared::RegisterWindow* master = shared::session().registerWindow;
    if (!master) throw core::RuntimeError::of(core::err::ObjectNotSet);
    const forms::Grid& grid = master->grid();
    return grid.textMatrix(grid.row(), 0);
}

// The user's name for the receipt report, kept as the session's UserName too.
QString reportUserName() {
    shared::Session& s = shared::session();
    if (!s.commonDb) throw core::RuntimeError::of(core::err::ObjectNotSet);
    s.UserName = core::toText(
        s.commonDb->fnreturnfield(QStringLiteral("lousers"), QStringLiteral("username"),
                                  QStringLiteral("userID=") + QString::number(s.userId) +
                                      QStringLiteral(" and shopid=") + QString::number(s.shopId)));
    return s.UserName;
}

} // namespace

frmPrint::frmPrint()
    : Form(FormName, QStringLiteral("Print")), fraPrint(*this, "fraPrint"),
      Picture1(*this, "Picture1", &fraPrint), optPrint(*this, "optPrint", &Picture1),
      optScreen(*this, "optScreen", &Picture1), Optwindowsprint(*this, "Optwindowsprint", &Picture1),
      fraPaersize(*this, "fraPaersize"), Picture2(*this, "Picture2", &fraPaersize),
      optA4(*this, "optA4", &Picture2), optA5(*this, "optA5", &Picture2), cmdOK(*this, "cmdOK"),
      cmdCancel(*this, "cmdCancel") {
    layOutControls();
    wireEvents();
    saveDesign();
}

void frmPrint::layOutControls() {
    setSize(4800, 3000);
    // Escape closes the dialog from any of its controls.
    setKeyPreview(true);
    optPrint.setCaption(QStringLiteral("To Printer"));
    optScreen.setCaption(QStringLiteral("To Screen"));
    Optwindowsprint.setCaption(QStringLiteral("Windows Print"));
    fraPaersize.setCaption(QStringLiteral("Paper Size"));
    // The paper size only matters to Windows Print, which the dialog does not start with by design.
    fraPaersize.setVisible(false);
    optA4.setCaption(QStringLiteral("A4 "));
    optA5.setCaption(QStringLiteral("A5"));
    cmdOK.setCaption(QStringLiteral("&OK"));
    cmdCancel.setCaption(QStringLiteral("Cancel"));
    // Enter prints, Escape cancels, wherever the focus is in the dialog.
    cmdOK.isDefault = true;
    cmdCancel.isCancel = true;
    int tab = 0;
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &optPrint, &optScreen, &Optwindowsprint, &optA4, &optA5, &cmdOK, &cmdCancel})
        control->setTabIndex(tab++);
}

void frmPrint::wireEvents() {
    optPrint.Click = [this] { fraPaersize.setVisible(false); };
    optScreen.Click = [this] { fraPaersize.setVisible(false); };
    Optwindowsprint.Click = [this] { fraPaersize.setVisible(true); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
}

void frmPrint::Form_Load() {
    shared::trapped(name(), QStringLiteral("Form_Load"), [this] {
        shared::Session& s = shared::session();
        if (!s.formColor) throw core::RuntimeError::of(core::err::ObjectNotSet);
        s.formColor->Applyformcolor(*this);
        if (numericSetting(QStringLiteral("windowsprint")) == 1) {
            Optwindowsprint.setVisible(true);
            Optwindowsprint.setValue(true);
        } else {
            Optwindowsprint.setVisible(false);
            Optwindowsprint.setValue(false);
            forms::OptionButton& start =
                numericSetting(QStringLiteral("printtoscreen")) == 1 ? optScreen : optPrint;
            start.setValue(true);
        }
        optA4.setValue(true);
    });
}

void frmPrint::Form_KeyPress(int& keyAscii) {
    if (keyAscii == forms::keys::Escape) unload();
}

void frmPrint::Form_Unload(int& cancel) {
    preview_.reset();
    report_.reset();
    reportEngine_.reset();
}

// Windows Print leaves the dialog open; the text voucher closes it.
void frmPrint::cmdOK_Click() {
    shared::trapped(name(), OkProcedure, [this] {
        if (Optwindowsprint.value()) return WIndowsPrint();
        printVoucher();
    });
}

void frmPrint::cmdCancel_Click() {
    unload();
}

// The voucher reads "To Screen" itself to choose between the screen file and the port, and shows the
// screen file it wrote; it reports its own failures, after which the dialog goes on as after a success.
void frmPrint::printVoucher() {
    forms::HourglassPointer pointer;
    const qint32 receiptId = core::toInt32(currentReceiptId());
    voucherPrinter(receiptId);
    unload();
}

void frmPrint::WIndowsPrint() {
    forms::HourglassPointer pointer;
    const shared::Session& s = shared::session();
    const QString file = os::applicationFolder() + (optA4.value() ? ReceiptReportA4 : ReceiptReportA5);
    reportEngine_ = shopReportEngine(shared::registerConnection());
    reportEngine_->logOnServer(QStringLiteral("pdsodbc.dll"), QStringLiteral("admindsnv2"),
                               QStringLiteral("adminv2"), QStringLiteral("admin"));
    report_ = reportEngine_->openReport(file);
    report_->parameterField(1).setCurrentValue(QStringLiteral("Receipts "));
    report_->parameterField(2).setCurrentValue(s.shopId);
    report_->parameterField(3).setCurrentValue(core::val(currentReceiptId()));
    report_->parameterField(4).setCurrentValue(reportUserName());
    preview_ = report_->preview(QStringLiteral("Receipts"), shopPreviewOptions());
}

} // namespace output
