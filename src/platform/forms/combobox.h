// A drop-down list of items, each with a 32-bit item data.
#pragma once

#include "control.h"

#include <vector>

namespace forms {

// Items count from 0; list index -1 is no selection. Setting the list index raises Click when it
// changes (to -1 as well). Clearing raises nothing.
class ComboBox : public Control {
public:
    ComboBox(Form& form, const QString& name, Control* container = nullptr);

    void addItem(const QString& text);
    void removeItem(int index);
    void clear();
    int listCount() const { return int(items_.size()); }
    QString list(int index) const;
    int itemData(int index) const;
    void setItemData(int index, int data);
    // Index of the item added last.
    int newIndex() const { return newIndex_; }

    int listIndex() const { return listIndex_; }
    void setListIndex(int index);
    // The selected item's text, or an empty text.
    QString text() const;

    QString property(const QString& name, const QList<int>& args = {}) const override;
    QStringList dump() const override;
    void saveDesign() override;
    void restoreDesign() override;

private:
    struct Item {
        QString text;
        int data = 0;
    };
    void checkIndex(int index) const;
    std::vector<Item> items_;
    std::vector<Item> designedItems_;
    int listIndex_ = -1;
    int newIndex_ = -1;
};

} // namespace forms
