// A runtime menu shown as a toolkit pop-up menu.
#pragma once

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace forms {
class Menu;
}

namespace qtview {

class PopupMenu {
public:
    // Adds the menu's visible entries to the toolkit menu; entries with entries of their own become
    // sub-menus, an entry captioned "-" a separator, a disabled entry a greyed action.
    static void fill(QMenu& target, const forms::Menu& menu);
    // Shows the menu at the position and raises Click of the entry the user chooses, if any.
    static void exec(forms::Menu& menu, QWidget* parent, const QPoint& position);
    // Raises Click of the entry behind the action chosen, unless it became unusable while the menu was open.
    static void choose(const QAction* action);
    // The runtime entry behind an action of a filled menu.
    static forms::Menu* entryOf(const QAction* action);
};

} // namespace qtview
