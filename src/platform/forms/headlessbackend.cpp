// The screenless backend: every question goes to a callback or takes its default.
#include "headlessbackend.h"

#include "form.h"
#include "platform/core/runtimeerror.h"

namespace forms {

void HeadlessBackend::runModal(Form& form) {
    if (!onModal)
        throw core::RuntimeError(core::err::InvalidCall,
                                 QStringLiteral("window %1 stays open: nothing acts on it").arg(form.name()));
    onModal(form);
    if (form.isShown())
        throw core::RuntimeError(core::err::InvalidCall,
                                 QStringLiteral("window %1 is still open").arg(form.name()));
}

MsgResult HeadlessBackend::messageBox(const MessageBoxRequest& request) {
    return onMessage ? onMessage(request) : request.defaultResult();
}

void HeadlessBackend::popupMenu(Form& form, Menu& menu) {
    if (onPopup) onPopup(form, menu);
}

void HeadlessBackend::formLoaded(Form& form) {
    if (onLoaded) onLoaded(form);
}

void HeadlessBackend::formUnloaded(Form& form) {
    if (onUnloaded) onUnloaded(form);
}

std::optional<QString> HeadlessBackend::saveFileName(const SaveFileRequest& request) {
    return onSaveFile ? onSaveFile(request) : std::nullopt;
}

void HeadlessBackend::beep() {
    if (onBeep) onBeep();
}

} // namespace forms
