// Text, caret and selection of a text box, and the keys typed into it.
#include "textboxbinder.h"

#include "colors.h"
#include "platform/forms/textcontrols.h"
#include "platform/forms/userinput.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace qtview {

namespace {

constexpr int UnlimitedLength = 32767;

bool isEditingShortcut(const QKeyEvent& event) {
    return event.matches(QKeySequence::Copy) || event.matches(QKeySequence::Cut) ||
           event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo) ||
           event.matches(QKeySequence::SelectAll);
}

} // namespace

TextBoxBinder::TextBoxBinder(forms::TextBox& box, QLineEdit& widget)
    : ControlBinder(box, widget), box_(box), view_(widget) {
    connect(&view_, &QLineEdit::textEdited, this, &TextBoxBinder::userEdited);
    connect(&view_, &QLineEdit::cursorPositionChanged, this, &TextBoxBinder::pushSelection);
    connect(&view_, &QLineEdit::selectionChanged, this, &TextBoxBinder::pushSelection);
}

void TextBoxBinder::controlChanged() {
    if (!pushing_) refresh();
}

void TextBoxBinder::refreshState() {
    if (view_.text() != box_.text()) view_.setText(box_.text());
    view_.setReadOnly(box_.locked);
    showTextColor();
    view_.setMaxLength(box_.maxLength > 0 ? box_.maxLength : UnlimitedLength);
    showSelection({box_.selStart(), box_.selLength()});
}

// The module's text colour, or the toolkit's for the system's window text.
void TextBoxBinder::showTextColor() {
    const QColor color = toQColor(box_.foreColor(), QApplication::palette());
    if (view_.palette().color(QPalette::Text) == color) return;
    QPalette palette = view_.palette();
    palette.setColor(QPalette::Text, color);
    view_.setPalette(palette);
}

TextBoxBinder::Selection TextBoxBinder::widgetSelection() const {
    if (view_.hasSelectedText()) return {view_.selectionStart(), view_.selectionLength()};
    return {view_.cursorPosition(), 0};
}

void TextBoxBinder::showSelection(Selection selection) {
    if (selection.length > 0)
        view_.setSelection(selection.start, selection.length);
    else
        view_.setCursorPosition(selection.start);
}

void TextBoxBinder::pushSelection() {
    setSelection(widgetSelection());
}

void TextBoxBinder::setSelection(Selection selection) {
    const QScopedValueRollback<bool> pushing(pushing_, true);
    box_.setSelStart(selection.start);
    box_.setSelLength(selection.length);
}

bool TextBoxBinder::keyPressed(const QKeyEvent& event, const KeyStroke& stroke) {
    pushSelection();
    const QString textBefore = box_.text();
    const Selection before = widgetSelection();
    sendKey(stroke);
    if (event.matches(QKeySequence::Paste) || isEditingShortcut(event))
        return editingShortcut(event, textBefore, before);
    // Characters (Backspace, Enter and Escape included) are the runtime's; Tab moves the focus.
    return stroke.character != 0 || stroke.keyCode == forms::keys::Tab;
}

// The shortcut's control character has been through the handlers, and the runtime put the caret at
// the end; the edit applies to what the user had selected, unless a handler changed the text.
bool TextBoxBinder::editingShortcut(const QKeyEvent& event, const QString& textBefore, Selection before) {
    if (box_.text() != textBefore) return true;
    showSelection(before);
    if (!event.matches(QKeySequence::Paste)) return false;
    paste(before);
    return true;
}

// The clipboard's text replaces the selection, as one change.
void TextBoxBinder::paste(Selection over) {
    const QString inserted = QApplication::clipboard()->text().section(QLatin1Char('\n'), 0, 0);
    const QString text = view_.text().replace(over.start, over.length, inserted).left(view_.maxLength());
    act([&] { forms::user::paste(box_, text); });
    setSelection({over.start + int(inserted.size()), 0});
    refresh();
}

void TextBoxBinder::userEdited(const QString& text) {
    const int caret = view_.cursorPosition();
    act([&] { forms::user::paste(box_, text); });
    setSelection({caret, 0});
    refresh();
}

} // namespace qtview
