// The deletion reason dialog: asks why a receipt is cancelled and leaves the answer in the register.
#pragma once

#include "platform/forms/form.h"
#include "platform/forms/textcontrols.h"

namespace receiptregister {

class frmcancelreason : public forms::Form {
public:
    frmcancelreason();

    // Controls, named as the window layout names them.
    forms::Label Label1;
    forms::TextBox txtcanreason;
    forms::CommandButton cmdok;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void cmdOk_Click();
    void txtcanreason_KeyPress(int& keyAscii);
    void txtcanreason_KeyUp(int& keyCode, int shift);

private:
    void layOutControls();
    bool acceptReason();
};

} // namespace receiptregister
