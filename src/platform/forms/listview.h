// A list view in report view: column headers and items with sub-items.
#pragma once

#include "control.h"

#include <vector>

namespace forms {

enum class Alignment { Left = 0, Right = 1, Center = 2 };

struct ColumnHeader {
    QString text;
    int width = 1440; // twips
    Alignment alignment = Alignment::Left;
};

// Items and column headers count from 1; column 0 of an item is its text, sub-item i is column i.
class ListView : public Control {
public:
    ListView(Form& form, const QString& name, Control* container = nullptr);

    int columnCount() const { return int(headers_.size()); }
    void addColumn(const QString& text, int width, Alignment alignment = Alignment::Left);
    ColumnHeader& header(int index);             // 1-based
    const ColumnHeader& header(int index) const; // 1-based
    void setHeaderText(int index, const QString& text);
    void setHeaderWidth(int index, int twips);
    // Whether a column keeps the width it was designed with (no stored layout and no user changed it),
    // so that a view may fit it to its content.
    bool keepsDesignedWidth(int index) const;
    void setHeaderAlignment(int index, Alignment alignment);

    int count() const { return int(items_.size()); }
    // Adds an item with its text; returns its index (from 1).
    int addItem(const QString& text);
    void removeItem(int index);
    // Removes every item; no item stays selected.
    void clear();
    // Column 0 is the item's text, column i its sub-item i (empty when never set).
    QString cell(int item, int column) const;
    void setCell(int item, int column, const QString& text);
    // The tool tip shown over one cell (empty when never set).
    QString cellToolTip(int item, int column) const;
    void setCellToolTip(int item, int column, const QString& text);

    // The selected item (0 for none).
    int selectedItem() const { return selected_; }
    void setSelectedItem(int index);

    // Raised when the user clicks an item (after it became the selected one).
    std::function<void(int item)> ItemClick;

    QString property(const QString& name, const QList<int>& args = {}) const override;
    QStringList dump() const override;
    void saveDesign() override;
    void restoreDesign() override;

private:
    void checkItem(int index) const;
    struct Item {
        QStringList cells;
        QStringList toolTips;
    };
    Item& item(int index);
    const Item& item(int index) const;
    std::vector<ColumnHeader> headers_;
    std::vector<ColumnHeader> designedHeaders_;
    std::vector<Item> items_;
    int selected_ = 0;
};

} // namespace forms
