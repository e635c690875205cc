// Binds a text box to a QLineEdit.
#pragma once

#include "controlbinder.h"

class QLineEdit;

namespace forms {
class TextBox;
}

namespace qtview {

// Every key goes through the runtime first, so KeyDown and KeyPress handlers can swallow or change
// it: characters and Backspace are applied by the runtime and the line edit then shows the result.
// Keys that only move the caret, and edits the runtime has no key for (Delete, cut, undo, a drop),
// are left to the line edit, whose new text then reaches the runtime as one change.
class TextBoxBinder : public ControlBinder {
public:
    TextBoxBinder(forms::TextBox& box, QLineEdit& widget);
    void controlChanged() override;

private:
    struct Selection {
        int start = 0;
        int length = 0;
    };

    void refreshState() override;
    bool keyPressed(const QKeyEvent& event, const KeyStroke& stroke) override;
    bool editingShortcut(const QKeyEvent& event, const QString& textBefore, Selection before);
    Selection widgetSelection() const;
    void showSelection(Selection selection);
    void showTextColor();
    void pushSelection();
    void setSelection(Selection selection);
    void paste(Selection over);
    void userEdited(const QString& text);

    forms::TextBox& box_;
    QLineEdit& view_;
    bool pushing_ = false; // the runtime is learning the line edit's caret, not the other way round
};

} // namespace qtview
