// Modal windows, message boxes and pop-up menus with a script in the user's place.
#include "scriptedbackend.h"

#include "formwindow.h"
#include "messagebox.h"
#include "popupmenu.h"

#include "platform/core/runtimeerror.h"
#include "platform/forms/form.h"

#include <QCursor>
#include <QMenu>

namespace qtview {

void ScriptedBackend::driveModal(forms::Form& form, FormWindow& window) {
    window.runModal([this, &form] {
        if (onModal) onModal(form);
    });
    if (form.isShown())
        throw core::RuntimeError(core::err::InvalidCall,
                                 QStringLiteral("window %1 is still open").arg(form.name()));
}

// The answer is known before the box shows: a box the script did not expect ends the run there.
forms::MsgResult ScriptedBackend::messageBox(const forms::MessageBoxRequest& request) {
    const forms::MsgResult answer = onMessage ? onMessage(request) : request.defaultResult();
    return MessageBox::ask(request, activeWindow(),
                           [answer](QMessageBox& box) { ScreenUser::answer(box, answer); });
}

void ScriptedBackend::popupMenu(forms::Form& form, forms::Menu& menu) {
    QWidget* owner = windowOf(form);
    QMenu popup(owner ? owner : activeWindow());
    PopupMenu::fill(popup, menu);
    QObject::connect(&popup, &QMenu::triggered, &PopupMenu::choose);
    popup.popup(QCursor::pos());
    if (onPopup) onPopup(form, menu);
    popup.close();
}

void ScriptedBackend::formLoaded(forms::Form& form) {
    QtBackend::formLoaded(form);
    if (onLoaded) onLoaded(form);
}

void ScriptedBackend::formUnloaded(forms::Form& form) {
    QtBackend::formUnloaded(form);
    if (onUnloaded) onUnloaded(form);
}

std::optional<QString> ScriptedBackend::saveFileName(const forms::SaveFileRequest& request) {
    return onSaveFile ? onSaveFile(request) : std::nullopt;
}

void ScriptedBackend::beep() {
    if (onBeep) onBeep();
}

} // namespace qtview
