// A backend without a screen: modal windows and message boxes are answered by callbacks.
#pragma once

#include "scripthooks.h"

namespace forms {

// Tests and the scenario runner drive windows through these callbacks. runModal calls onModal,
// which performs user actions until the window is no longer shown; without one the window stays
// open and runModal fails. Message boxes without onMessage are answered with their default button.
class HeadlessBackend : public Backend, public ScriptHooks {
public:
    void runModal(Form& form) override;
    MsgResult messageBox(const MessageBoxRequest& request) override;
    void popupMenu(Form& form, Menu& menu) override;
    void formLoaded(Form& form) override;
    void formUnloaded(Form& form) override;
    void beep() override;
};

} // namespace forms
