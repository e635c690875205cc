// The deletion reason dialog: the reason's keys, OK and the close through the window frame.
#include "frmcancelreason.h"

#include "platform/core/conversions.h"
#include "platform/forms/runtime.h"
#include "shared/formhelpers.h"
#include "shared/reporterror.h"
#include "shared/session.h"

namespace receiptregister {

using shared::session;
using shared::trapped;

namespace {
const QString FormName = QStringLiteral("frmcancelreason");
constexpr int ActiveWidthTwips = 6480;
constexpr int ActiveHeightTwips = 915;
} // namespace

frmcancelreason::frmcancelreason()
    : Form(FormName, QStringLiteral("Reason For Deletion")), Label1(*this, QStringLiteral("Label1")),
      txtcanreason(*this, QStringLiteral("txtcanreason")), cmdok(*this, QStringLiteral("cmdok")) {
    layOutControls();
    txtcanreason.KeyPress = [this](int& keyAscii) { txtcanreason_KeyPress(keyAscii); };
    txtcanreason.KeyUp = [this](int& keyCode, int shift) { txtcanreason_KeyUp(keyCode, shift); };
    cmdok.Click = [this] { cmdOk_Click(); };
    saveDesign();
}

// OK starts disabled: it is enabled once the reason holds more than blanks.
void frmcancelreason::layOutControls() {
    setSize(ActiveWidthTwips, ActiveHeightTwips);
    Label1.setCaption(QStringLiteral("&Reason :"));
    cmdok.setCaption(QStringLiteral("&OK"));
    cmdok.setEnabled(false);
    txtcanreason.setTabIndex(0);
    cmdok.setTabIndex(1);
}

std::optional<QString> frmcancelreason::ask(forms::Form& owner) {
    reason_.reset();
    showModal(&owner);
    return reason_;
}

void frmcancelreason::Form_Load() {
    trapped(name(), QStringLiteral("Form_Load"), [this] { session().formColor->Applyformcolor(*this); });
}

void frmcancelreason::Form_Activate() {
    setSize(ActiveWidthTwips, ActiveHeightTwips);
    setCaption(QStringLiteral("Reason for deletion"));
}

// The apostrophe would end the reason's literal in the cancellation statement.
void frmcancelreason::txtcanreason_KeyPress(int& keyAscii) {
    shared::SendTabOnEnter(keyAscii);
    if (keyAscii == '\'') keyAscii = 0;
}

void frmcancelreason::txtcanreason_KeyUp(int& keyCode, int shift) {
    cmdok.setEnabled(!core::trimBlanks(txtcanreason.text()).isEmpty());
}

void frmcancelreason::cmdOk_Click() {
    trapped(name(), QStringLiteral("cmdOk_Click"), [this] {
        if (acceptReason()) unload();
    });
}

// Stores the reason as typed, leading blanks included; false after telling the user it is missing.
bool frmcancelreason::acceptReason() {
    if (core::trimBlanks(txtcanreason.text()).isEmpty()) {
        forms::Runtime::msgBox(QStringLiteral("Enter reason for deletion"), forms::MsgButtons::OK,
                               forms::MsgIcon::Information, session().msgboxCaption);
        txtcanreason.setFocus();
        return false;
    }
    reason_ = txtcanreason.text();
    cmdok.setEnabled(false);
    return true;
}

// Closing through the frame with OK enabled counts as OK; OK itself disables the button before it
// closes, so its own unload passes here without acting twice. Closed without a reason, the dialog gives no
// reason back and Delete cancels nothing.
void frmcancelreason::Form_QueryUnload(int& cancel, int unloadMode) {
    trapped(name(), QStringLiteral("Form_QueryUnload"), [this] {
        if (cmdok.enabled()) acceptReason();
    });
}

} // namespace receiptregister
