// Modal windows, message boxes, pop-up menus, the hourglass and focus for the GUI.
#include "qtbackend.h"

#include "formwindow.h"
#include "messagebox.h"
#include "platform/forms/form.h"
#include "popupmenu.h"

#include <QApplication>
#include <QCursor>
#include <QScopeGuard>

namespace qtview {

QtBackend::~QtBackend() {
    if (&forms::Runtime::backend() == this) forms::Runtime::setBackend(nullptr);
}

void QtBackend::runModal(forms::Form& form) {
    FormWindow* owner = form.owner() ? windowOf(*form.owner()) : nullptr;
    FormWindow window(form, owner ? owner : activeWindow());
    windows_[&form] = &window;
    const auto forget = qScopeGuard([&] { windows_.erase(&form); });
    window.runModal();
}

forms::MsgResult QtBackend::messageBox(const forms::MessageBoxRequest& request) {
    return MessageBox::ask(request, activeWindow());
}

void QtBackend::popupMenu(forms::Form& form, forms::Menu& menu) {
    QWidget* parent = windowOf(form);
    PopupMenu::exec(menu, parent ? parent : activeWindow(), QCursor::pos());
}

void QtBackend::formUnloaded(forms::Form& form) {
    if (FormWindow* window = windowOf(form)) window->endModal();
}

// The runtime reports only the outermost hourglass, so one override cursor is pushed and popped.
void QtBackend::busyChanged(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtBackend::focusChanged(forms::Form& form, forms::Control* control) {
    if (FormWindow* window = windowOf(form)) window->focusControl(control);
}

FormWindow* QtBackend::windowOf(const forms::Form& form) const {
    const auto found = windows_.find(&form);
    return found == windows_.end() ? nullptr : found->second;
}

QWidget* QtBackend::activeWindow() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

} // namespace qtview
