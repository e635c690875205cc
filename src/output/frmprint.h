// The print dialog: where the selected receipt is printed (printer device, screen file or report).
#pragma once

#include "platform/forms/form.h"
#include "platform/forms/textcontrols.h"
#include "platform/report/report.h"
#include "platform/report/reportengine.h"
#include "textvoucher.h"

#include <functional>

#include <memory>

namespace output {

class frmPrint : public forms::Form {
public:
    frmPrint();

    forms::Frame fraPrint;
    forms::PictureBox Picture1;
    forms::OptionButton optPrint;
    forms::OptionButton optScreen;
    forms::OptionButton Optwindowsprint;
    forms::Frame fraPaersize;
    forms::PictureBox Picture2;
    forms::OptionButton optA4;
    forms::OptionButton optA5;
    forms::CommandButton cmdOK;
    forms::CommandButton cmdCancel;

    void Form_Load() override;
    void Form_KeyPress(int& keyAscii) override;
    void Form_Unload(int& cancel) override;
    void cmdOK_Click();
    void cmdCancel_Click();
    void WIndowsPrint();

    // Writes the voucher of a receipt; the register prints through its entry window, which loads
    // (without showing) for it.
    std::function<void(qint32 receiptId)> voucherPrinter = printRvoucher;

private:
    void layOutControls();
    void wireEvents();
    void printVoucher();

    // Kept from Windows Print until the dialog closes.
    std::unique_ptr<report::ReportEngine> reportEngine_;
    std::unique_ptr<report::Report> report_;
    std::unique_ptr<report::PreviewWindow> preview_;
};

} // namespace output
