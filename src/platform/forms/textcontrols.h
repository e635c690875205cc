// Labels, text boxes, buttons, option buttons, frames and picture boxes.
#pragma once

#include "control.h"

namespace forms {

// A control whose state is one caption (labels, buttons, frames).
class CaptionedControl : public Control {
public:
    using Control::Control;
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    // The caption the window was laid out with.
    const QString& designedCaption() const { return designedCaption_; }
    QString property(const QString& name, const QList<int>& args = {}) const override;
    QStringList dump() const override;
    void saveDesign() override;
    void restoreDesign() override;

private:
    QString caption_;
    QString designedCaption_;
};

class Label : public CaptionedControl {
public:
    Label(Form& form, const QString& name, Control* container = nullptr);
    bool canFocus() const override { return false; }
};

class Frame : public CaptionedControl {
public:
    Frame(Form& form, const QString& name, Control* container = nullptr);
    bool canFocus() const override { return false; }
};

class PictureBox : public CaptionedControl {
public:
    PictureBox(Form& form, const QString& name, Control* container = nullptr);
    bool canFocus() const override { return false; }
};

class CommandButton : public CaptionedControl {
public:
    CommandButton(Form& form, const QString& name, Control* container = nullptr);
    // Enter on the form presses the default button, Escape the cancel button.
    bool isDefault = false;
    bool isCancel = false;
};

// Setting the value to true raises Click (only when it was false) and clears the option buttons
// that share its container.
class OptionButton : public CaptionedControl {
public:
    OptionButton(Form& form, const QString& name, Control* container = nullptr);
    bool value() const { return value_; }
    void setValue(bool value);
    QString property(const QString& name, const QList<int>& args = {}) const override;
    QStringList dump() const override;
    void saveDesign() override;
    void restoreDesign() override;

private:
    bool value_ = false;
    bool designedValue_ = false;
};

// Setting the text raises Change, only when the text changes.
class TextBox : public Control {
public:
    TextBox(Form& form, const QString& name, Control* container = nullptr);
    const QString& text() const { return text_; }
    void setText(const QString& text);
    int selStart() const { return selStart_; }
    void setSelStart(int start);
    int selLength() const { return selLength_; }
    void setSelLength(int length);
    bool locked = false;
    int maxLength = 0;

    std::function<void()> Change;

    QString property(const QString& name, const QList<int>& args = {}) const override;
    QStringList dump() const override;
    void saveDesign() override;
    void restoreDesign() override;

private:
    QString text_;
    QString designedText_;
    int selStart_ = 0;
    int selLength_ = 0;
};

} // namespace forms
