// A tab control: tabs with captions, one shown at a time with the controls placed on it.
#pragma once

#include "control.h"

#include <map>
#include <vector>

namespace forms {

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

} // namespace forms
