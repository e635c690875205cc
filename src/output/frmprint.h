// The print dialog: where the selected receipt is printed (printer device, screen file or report).
#pragma once

#include "platform/forms/form.h"
#include "platform/forms/textcontrols.h"

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

private:
    void layOutControls();
    void wireEvents();
};

} // namespace output
