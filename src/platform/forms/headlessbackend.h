// A backend without a screen: modal windows and message boxes are answered by callbacks.
#pragma once

#include "scripthooks.h"

namespace forms {

// Tests and the scenario runner drive windows through these callbacks. runModal calls onModal,
// which performs user actions until the window is no longer shown; without one the window stays
// open and runModal fails. Message boxes without onMessage are answered with their default button, file
// choosers without onSaveFile are cancelled; a copy is kept as the clipboard would keep it.
class HeadlessBackend : public Backend, public ScriptHooks {
public:
    void runModal(Form& form) override;
    MsgResult messageBox(const MessageBoxRequest& request) override;
    void popupMenu(Form& form, Menu& menu) override;
    void formLoaded(Form& form) override;
    void formUnloaded(Form& form) override;
    void beep() override;
    void copyText(const QString& text) override { copied_ = text; }
    std::optional<QString> saveFileName(const SaveFileRequest& request) override;

    // The text the last copy put on the clipboard.
    const QString& copiedText() const { return copied_; }

private:
    QString copied_;
};

} // namespace forms
