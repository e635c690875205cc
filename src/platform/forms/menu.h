// Menu entries, which the form shows as pop-up menus.
#pragma once

#include "control.h"

#include <vector>

namespace forms {

// A menu entry; a menu with entries is shown as a pop-up menu by the form.
class Menu : public Control {
public:
    Menu(Form& form, const QString& name, const QString& caption, Menu* parent = nullptr);
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    const std::vector<Menu*>& entries() const { return entries_; }
    Menu* parentMenu() const { return parent_; }
    bool canFocus() const override { return false; }

    QString property(const QString& name, const QList<int>& args = {}) const override;
    QStringList dump() const override;

private:
    QString caption_;
    Menu* parent_;
    std::vector<Menu*> entries_;
};

} // namespace forms
