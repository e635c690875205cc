// The deletion reason dialog: asks why a receipt is cancelled and gives the answer back to the one who asked.
#pragma once

#include "platform/forms/form.h"
#include "platform/forms/textcontrols.h"

#include <optional>

namespace receiptregister {

class frmcancelreason : public forms::Form {
public:
    frmcancelreason();

    // Shows the dialog owned by the window asking; the reason as typed, or nothing when the dialog was closed
    // before a reason was given.
    std::optional<QString> ask(forms::Form& owner);

    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

private:
    void layOutControls();
    bool acceptReason();
    void cmdOk_Click();
    void txtcanreason_KeyPress(int& keyAscii);
    void txtcanreason_KeyUp(int& keyCode, int shift);

    // Controls, named as the window layout names them: tests and scenarios find them by these names.
    forms::Label Label1;
    forms::TextBox txtcanreason;
    forms::CommandButton cmdok;

    std::optional<QString> reason_;
};

} // namespace receiptregister
