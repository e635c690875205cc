// Mouse and key events handed to the toolkit through the entry points its platform plug-ins use for the
// windowing system's input.
#include "platforminput.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

// The toolkit exports these for input that arrives as a platform's would (its own test library uses them).
void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global, Qt::MouseButtons state,
                         Qt::MouseButton button, QEvent::Type type, Qt::KeyboardModifiers modifiers,
                         int timestamp);
void qt_handleKeyEvent(QWindow* window, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
                       const QString& text = QString(), bool autorepeat = false, ushort count = 1);

namespace qtview::platforminput {

namespace {

// Event times in milliseconds: the clicks of one action follow each other closely, two actions lie far
// enough apart never to make a double click together.
int nextTime(bool sameAction) {
    static int time = 0;
    time += sameAction ? 10 : 5000;
    return time;
}

struct Spot {
    QWindow* window;
    QPointF local;
    QPointF global;
};

Spot spotOf(QWidget& widget, const QPoint& at) {
    QWindow* window = widget.window()->windowHandle();
    const QPoint global = widget.mapToGlobal(at);
    return {window, window ? window->mapFromGlobal(global) : QPointF(at), global};
}

void mouse(const Spot& spot, Qt::MouseButtons held, Qt::MouseButton button, QEvent::Type type, int time) {
    if (!spot.window) return;
    qt_handleMouseEvent(spot.window, spot.local, spot.global, held, button, type,
                        QGuiApplication::keyboardModifiers(), time);
    QCoreApplication::processEvents();
}

QWindow* keyWindow(QWidget& widget) {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup->windowHandle();
    if (QWindow* focused = QGuiApplication::focusWindow()) return focused;
    return widget.window()->windowHandle();
}

} // namespace

void click(QWidget& widget, const QPoint& at, Qt::MouseButton button, int clicks) {
    const Spot spot = spotOf(widget, at);
    int time = nextTime(false);
    mouse(spot, Qt::NoButton, Qt::NoButton, QEvent::MouseMove, time);
    for (int i = 0; i < clicks; ++i) {
        mouse(spot, button, button, QEvent::MouseButtonPress, time = nextTime(true));
        mouse(spot, Qt::NoButton, button, QEvent::MouseButtonRelease, time = nextTime(true));
    }
}

void drag(QWidget& widget, const QPoint& from, const QPoint& to) {
    const Spot start = spotOf(widget, from);
    const Spot end = spotOf(widget, to);
    mouse(start, Qt::NoButton, Qt::NoButton, QEvent::MouseMove, nextTime(false));
    mouse(start, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress, nextTime(true));
    mouse(end, Qt::LeftButton, Qt::NoButton, QEvent::MouseMove, nextTime(true));
    mouse(end, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease, nextTime(true));
}

void move(QWidget& widget, const QPoint& at) {
    mouse(spotOf(widget, at), Qt::NoButton, Qt::NoButton, QEvent::MouseMove, nextTime(false));
}

void press(QWidget& widget, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QWindow* window = keyWindow(widget);
    if (!window) return;
    qt_handleKeyEvent(window, QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::processEvents();
    // The press may have closed the window.
    if ((window = keyWindow(widget))) qt_handleKeyEvent(window, QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::processEvents();
}

// The toolkit names a key by the character it types, a letter by its capital: Shift+1 is the key '!'.
void typeCharacter(QWidget& widget, QChar character) {
    static const QString shifted = QStringLiteral("~!@#$%^&*()_+{}|:\"<>?");
    const bool shift = character.isUpper() || shifted.contains(character);
    press(widget, Qt::Key(character.toUpper().unicode()), shift ? Qt::ShiftModifier : Qt::NoModifier,
          QString(character));
}

} // namespace qtview::platforminput
