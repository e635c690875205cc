// Modal windows, message boxes, pop-up menus, the hourglass and focus for the GUI.
#include "qtbackend.h"

#include "formwindow.h"
#include "messagebox.h"
#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "popupmenu.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QFileDialog>
#include <QFileInfo>
#include <algorithm>

namespace qtview {

QtBackend::QtBackend() = default;

QtBackend::~QtBackend() {
    if (&forms::Runtime::backend() == this) forms::Runtime::setBackend(nullptr);
}

// The window is put up before the form's first activation runs, so work done there (posting, a
// counter check) happens with the window mapped; it paints once events flow again.
void QtBackend::formShown(forms::Form& form) {
    FormWindow* owner = form.owner() ? windowOf(*form.owner()) : nullptr;
    auto& window = windows_[&form];
    window = std::make_unique<FormWindow>(form, owner ? owner : activeWindow());
    window->present();
}

void QtBackend::runModal(forms::Form& form) {
    FormWindow* window = windowOf(form);
    if (!window) return;
    driveModal(form, *window);
    windows_.erase(&form);
}

void QtBackend::driveModal(forms::Form&, FormWindow& window) {
    window.runModal();
}

forms::MsgResult QtBackend::messageBox(const forms::MessageBoxRequest& request) {
    return MessageBox::ask(request, activeWindow());
}

void QtBackend::popupMenu(forms::Form& form, forms::Menu& menu) {
    QWidget* parent = windowOf(form);
    PopupMenu::exec(menu, parent ? parent : activeWindow(), QCursor::pos());
}

// A window whose modal loop runs is ended there and destroyed by runModal; one closed before its
// loop started goes once control has left the handlers that closed it.
void QtBackend::formUnloaded(forms::Form& form) {
    FormWindow* window = windowOf(form);
    if (!window) return;
    window->endModal();
    activateOwner(form);
    if (window->isRunning()) return;
    windows_[&form].release()->deleteLater();
    windows_.erase(&form);
}

// The window under a closed one takes the keys at once, with the focus where its form has it, whatever the
// window manager does: one slow to hand the focus back would leave the next key with no window.
void QtBackend::activateOwner(const forms::Form& form) {
    FormWindow* owner = form.owner() ? windowOf(*form.owner()) : nullptr;
    if (!owner || !owner->isVisible()) return;
    owner->activateWindow();
    owner->focusControl(form.owner()->activeControl());
}

void QtBackend::formChanged(forms::Form& form) {
    if (FormWindow* window = windowOf(form)) window->showFormState();
}

void QtBackend::copyText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

// A name typed without a suffix takes the proposed name's ("register" is saved as register.csv); an existing
// file is replaced only after the chooser asked.
std::optional<QString> QtBackend::saveFileName(const forms::SaveFileRequest& request) {
    QFileDialog chooser(activeWindow(), request.title, request.proposedName, request.filter);
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setDefaultSuffix(QFileInfo(request.proposedName).suffix());
    chooser.selectFile(request.proposedName);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return std::nullopt;
    return chooser.selectedFiles().first();
}

void QtBackend::beep() {
    QApplication::beep();
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
    return found == windows_.end() ? nullptr : found->second.get();
}

bool QtBackend::isFormWindow(const QWidget& widget) const {
    return std::any_of(windows_.begin(), windows_.end(),
                       [&widget](const auto& shown) { return shown.second.get() == &widget; });
}

QWidget* QtBackend::widgetOf(const forms::Control& control) const {
    const FormWindow* window = windowOf(control.form());
    return window ? window->widgetFor(&control) : nullptr;
}

QWidget* QtBackend::activeWindow() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

} // namespace qtview
