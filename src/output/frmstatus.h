// The posting window: asks the user to wait while the shop's receipts are posted to the ledgers.
#pragma once

#include "platform/forms/form.h"
#include "platform/forms/image.h"
#include "platform/forms/textcontrols.h"

namespace output {

// Shown modally by the register's Post Ledgers; every activation posts, and a committed posting
// closes the window. After a failure it stays open until the user closes it.
class frmStatus : public forms::Form {
public:
    frmStatus();

    forms::Image imgPost;
    forms::Label lblStatus;

    void Form_Load() override;
    void Form_Activate() override;

    // Runs the ledger posting for the session's company and shop in one transaction on the
    // register connection.
    void updateledgers();

private:
    void layOutControls();
};

} // namespace output
