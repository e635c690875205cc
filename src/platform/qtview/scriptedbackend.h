// The Qt windows driven by a script in place of the user.
#pragma once

#include "qtbackend.h"
#include "screenuser.h"

#include "platform/forms/scripthooks.h"

namespace qtview {

// The windows are built, bound and shown as for a user, and the script acts on them through the screen:
// a modal window runs onModal instead of its event loop, a message box is shown and onMessage's answer
// clicked on it, a pop-up menu is shown while onPopup chooses from it with the user's clicks.
class ScriptedBackend : public QtBackend, public forms::ScriptHooks {
public:
    ScriptedBackend() : user_(*this) {}

    // What the script acts through.
    ScreenUser& user() { return user_; }

    forms::MsgResult messageBox(const forms::MessageBoxRequest& request) override;
    void popupMenu(forms::Form& form, forms::Menu& menu) override;
    void formLoaded(forms::Form& form) override;
    void formUnloaded(forms::Form& form) override;
    void beep() override;
    // The script names the file in the user's place: no chooser is shown.
    std::optional<QString> saveFileName(const forms::SaveFileRequest& request) override;

protected:
    void driveModal(forms::Form& form, FormWindow& window) override;

private:
    ScreenUser user_;
};

} // namespace qtview
