// Pop-up menus: entries, separators, sub-menus and the chosen entry.
#include "popupmenu.h"

#include "platform/core/runtimeerror.h"
#include "platform/forms/menu.h"
#include "platform/forms/userinput.h"

#include <QMenu>

namespace qtview {

void PopupMenu::fill(QMenu& target, const forms::Menu& menu) {
    for (forms::Menu* entry : menu.entries()) {
        if (!entry->visible()) continue;
        if (entry->caption() == QLatin1String("-")) {
            target.addSeparator();
        } else if (!entry->entries().empty()) {
            QMenu* sub = target.addMenu(entry->caption());
            sub->setEnabled(entry->enabled());
            fill(*sub, *entry);
        } else {
            QAction* action = target.addAction(entry->caption());
            action->setEnabled(entry->enabled());
            action->setData(QVariant::fromValue(static_cast<void*>(entry)));
        }
    }
}

forms::Menu* PopupMenu::entryOf(const QAction* action) {
    return action ? static_cast<forms::Menu*>(action->data().value<void*>()) : nullptr;
}

void PopupMenu::exec(forms::Menu& menu, QWidget* parent, const QPoint& position) {
    QMenu popup(parent);
    fill(popup, menu);
    choose(popup.exec(position));
}

void PopupMenu::choose(const QAction* action) {
    forms::Menu* chosen = entryOf(action);
    if (!chosen) return;
    try {
        forms::user::chooseMenu(*chosen);
    } catch (const core::RuntimeError&) {
        // The entry became unusable while the menu was open.
    }
}

} // namespace qtview
