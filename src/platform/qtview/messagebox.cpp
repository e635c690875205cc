// Buttons, icon, default button and title of a message box, and the answer it gives.
#include "messagebox.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace qtview {

std::vector<QMessageBox::StandardButton> MessageBox::buttons(forms::MsgButtons buttons) {
    switch (buttons) {
    case forms::MsgButtons::OKCancel:
        return {QMessageBox::Ok, QMessageBox::Cancel};
    case forms::MsgButtons::YesNo:
        return {QMessageBox::Yes, QMessageBox::No};
    case forms::MsgButtons::YesNoCancel:
        return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case forms::MsgButtons::OK:
        break;
    }
    return {QMessageBox::Ok};
}

QMessageBox::Icon MessageBox::icon(forms::MsgIcon icon) {
    switch (icon) {
    case forms::MsgIcon::Critical:
        return QMessageBox::Critical;
    case forms::MsgIcon::Question:
        return QMessageBox::Question;
    case forms::MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case forms::MsgIcon::Information:
        return QMessageBox::Information;
    case forms::MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

forms::MsgResult MessageBox::result(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Cancel:
        return forms::MsgResult::Cancel;
    case QMessageBox::Yes:
        return forms::MsgResult::Yes;
    case QMessageBox::No:
        return forms::MsgResult::No;
    default:
        return forms::MsgResult::OK;
    }
}

QString MessageBox::title(const forms::MessageBoxRequest& request) {
    if (!request.title.isEmpty()) return request.title;
    if (!forms::Runtime::applicationName().isEmpty()) return forms::Runtime::applicationName();
    return QCoreApplication::applicationName();
}

void MessageBox::prepare(QMessageBox& box, const forms::MessageBoxRequest& request) {
    box.setText(request.text);
    box.setWindowTitle(title(request));
    box.setIcon(icon(request.icon));
    const std::vector<QMessageBox::StandardButton> standard = buttons(request.buttons);
    for (QMessageBox::StandardButton button : standard)
        box.addButton(button);
    const bool defaultShown = request.defaultButton >= 1 && request.defaultButton <= int(standard.size());
    box.setDefaultButton(standard[defaultShown ? request.defaultButton - 1 : 0]);
}

// The window that was active, and its focused widget, have the focus again once the box is answered: a
// window manager slow to hand it back would leave keys with no window.
forms::MsgResult MessageBox::ask(const forms::MessageBoxRequest& request, QWidget* parent,
                                 const std::function<void(QMessageBox&)>& whenShown) {
    const QPointer<QWidget> active = QApplication::activeWindow();
    const QPointer<QWidget> focused = QApplication::focusWidget();
    QMessageBox box(parent);
    prepare(box, request);
    if (whenShown) QTimer::singleShot(0, &box, [&box, &whenShown] { whenShown(box); });
    box.exec();
    if (active && active->isVisible()) {
        active->activateWindow();
        if (focused) focused->setFocus(Qt::ActiveWindowFocusReason);
    }
    return result(box.standardButton(box.clickedButton()));
}

} // namespace qtview
