// What a script does in place of the user, for the backends a script drives: without a screen, or on one.
#pragma once

#include "runtime.h"

#include <functional>

namespace forms {

// onModal performs user actions until the window is no longer shown; onMessage answers a message box;
// onPopup chooses from a pop-up menu (or none) before it returns; onSaveFile names the file a file chooser
// returns (or none). onLoaded, onUnloaded and onBeep tell the
// script what happened.
struct ScriptHooks {
    std::function<void(Form&)> onModal;
    std::function<MsgResult(const MessageBoxRequest&)> onMessage;
    std::function<void(Form&, Menu&)> onPopup;
    std::function<std::optional<QString>(const SaveFileRequest&)> onSaveFile;
    std::function<void(Form&)> onLoaded;
    std::function<void(Form&)> onUnloaded;
    std::function<void()> onBeep;
};

} // namespace forms
