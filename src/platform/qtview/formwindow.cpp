// Building, binding and running a form's window.
#include "formwindow.h"

#include "binderfactory.h"
#include "controlbinder.h"
#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/forms/userinput.h"
#include "uiloader.h"

#include <QAbstractItemView>
#include <QCloseEvent>

namespace qtview {

namespace {

QString resourcePath(const QString& formName) {
    return QStringLiteral(":/forms/%1.ui").arg(formName);
}

// Text of disabled controls, dark enough to read on the window's background (6:1 on the usual light grey).
const QColor DisabledText(0x5a, 0x5a, 0x5a);

} // namespace

FormWindow::FormWindow(forms::Form& form, QWidget* owner) : QWidget(owner, Qt::Dialog), form_(form) {
    QPalette readable = palette();
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        readable.setColor(QPalette::Disabled, role, DisabledText);
    setPalette(readable);
    resize(form.width() / forms::TwipsPerPixel, form.height() / forms::TwipsPerPixel);
    UiLoader::loadInto(*this, resourcePath(form.name()));
    for (QAbstractItemView* view : findChildren<QAbstractItemView*>())
        view->setStyle(&listStyle_);
    setWindowTitle(form.caption());
    setWindowModality(Qt::ApplicationModal);
    bindControls();
}

// The caption follows the form; sizes set from code stay with the window's own layout, which knows
// the fonts and widgets actually shown.
void FormWindow::showFormState() {
    setWindowTitle(form_.caption());
}

// The binders go before the widgets they watch.
FormWindow::~FormWindow() {
    binders_.clear();
}

void FormWindow::bindControls() {
    for (QWidget* widget : findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty()) continue;
        if (forms::Control* control = form_.findControl(widget->objectName()))
            if (auto binder = bindControl(*control, *widget)) binders_.push_back(std::move(binder));
    }
}

void FormWindow::present() {
    show();
    raise();
    activateWindow();
}

void FormWindow::runModal(const std::function<void()>& script) {
    focusControl(form_.activeControl());
    // A handler run while showing may already have closed the form.
    running_ = true;
    if (form_.isShown()) script ? script() : void(loop_.exec(QEventLoop::DialogExec));
    running_ = false;
}

void FormWindow::endModal() {
    hide();
    loop_.quit();
}

// The runtime moves the focus (Tab, Enter, a handler): the window shows it on every kind of control, as the
// toolkit shows focus reached by the keyboard.
void FormWindow::focusControl(const forms::Control* control) {
    QWidget* widget = widgetFor(control);
    if (!widget) return;
    setAttribute(Qt::WA_KeyboardFocusChange);
    widget->setFocus(Qt::OtherFocusReason);
}

QWidget* FormWindow::widgetFor(const forms::Control* control) const {
    for (const auto& binder : binders_)
        if (&binder->control() == control) return &binder->widget();
    return nullptr;
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    try {
        forms::user::closeWindow(form_);
    } catch (const core::RuntimeError&) {
        // The form is no longer open: nothing to close.
    }
}

} // namespace qtview
