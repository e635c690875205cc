// The runtime's message boxes as toolkit message boxes.
#pragma once

#include "platform/forms/runtime.h"

#include <QMessageBox>
#include <functional>
#include <vector>

namespace qtview {

class MessageBox {
public:
    // The buttons of the request, in the order the default button counts them.
    static std::vector<QMessageBox::StandardButton> buttons(forms::MsgButtons buttons);
    static QMessageBox::Icon icon(forms::MsgIcon icon);
    static forms::MsgResult result(QMessageBox::StandardButton button);
    // The title shown: the request's, or the application's name when it has none.
    static QString title(const forms::MessageBoxRequest& request);

    // Fills a message box for the request (text, title, icon, buttons, default button).
    static void prepare(QMessageBox& box, const forms::MessageBoxRequest& request);
    // Asks the user; closing the box counts as its escape button. whenShown, if given, runs once the box is
    // on the screen, in its event loop.
    static forms::MsgResult ask(const forms::MessageBoxRequest& request, QWidget* parent,
                                const std::function<void(QMessageBox&)>& whenShown = nullptr);
};

} // namespace qtview
