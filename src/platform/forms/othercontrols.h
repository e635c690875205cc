// Date picker, tab control and pop-up menus.
#pragma once

#include "control.h"

#include <QDate>
#include <map>
#include <vector>

namespace forms {

// Setting the value raises Change when it changes.
class DatePicker : public Control {
public:
    DatePicker(Form& form, const QString& name, Control* container = nullptr);
    QDate value() const { return value_; }
    void setValue(const QDate& value);
    std::function<void()> Change;

    QString property(const QString& name, const QList<int>& args = {}) const override;
    QStringList dump() const override;
    void saveDesign() override;
    void restoreDesign() override;

private:
    QDate value_;
    QDate designedValue_;
};

// Tabs count from 0.
class TabControl : public Control {
public:
    TabControl(Form& form, const QString& name, Control* container = nullptr);
    void addTab(const QString& caption);
    int tabCount() const { return int(captions_.size()); }
    QString tabCaption(int index) const;
    void setTabCaption(int index, const QString& caption);
    int currentTab() const { return current_; }
    void setCurrentTab(int index);
    // A control placed on a tab is in sight only while that tab is shown; others always are.
    void placeOnTab(const Control& control, int index);
    bool showsContained(const Control& control) const override;

    QString property(const QString& name, const QList<int>& args = {}) const override;
    QStringList dump() const override;
    void saveDesign() override;
    void restoreDesign() override;

private:
    std::vector<QString> captions_;
    std::vector<QString> designedCaptions_;
    std::map<const Control*, int> tabOf_;
    int current_ = 0;
};

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
