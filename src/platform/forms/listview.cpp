// The list view in report view: headers, items, sub-items and the selected item.
#include "listview.h"

#include "controlhelpers.h"

#include <algorithm>

namespace forms {

ListView::ListView(Form& form, const QString& name, Control* container)
    : Control(form, name, ControlKind::ListView, container) {}

void ListView::addColumn(const QString& text, int width, Alignment alignment) {
    headers_.push_back({text, width, alignment});
    changed();
}

ColumnHeader& ListView::header(int index) {
    if (index < 1 || index > columnCount()) throw outOfRange();
    return headers_[index - 1];
}

const ColumnHeader& ListView::header(int index) const {
    return const_cast<ListView*>(this)->header(index);
}

void ListView::setHeaderText(int index, const QString& text) {
    assign(header(index).text, text);
}
void ListView::setHeaderWidth(int index, int twips) {
    assign(header(index).width, twips);
}
bool ListView::keepsDesignedWidth(int index) const {
    return index <= int(designedHeaders_.size()) && header(index).width == designedHeaders_[index - 1].width;
}
void ListView::setHeaderAlignment(int index, Alignment alignment) {
    assign(header(index).alignment, alignment);
}

int ListView::addItem(const QString& text) {
    // Room for a cell in every column: the cells are mostly set one column after the other.
    QStringList cells{text};
    cells.reserve(columnCount());
    items_.push_back({std::move(cells), {}});
    changed();
    return count();
}

void ListView::removeItem(int index) {
    checkItem(index);
    items_.erase(items_.begin() + (index - 1));
    if (selected_ == index)
        selected_ = 0;
    else if (selected_ > index)
        --selected_;
    changed();
}

void ListView::clear() {
    items_.clear();
    selected_ = 0;
    changed();
}

namespace {

QString columnOf(const QStringList& columns, int column) {
    if (column < 0) throw outOfRange();
    return column < columns.size() ? columns[column] : QString();
}

QString& extendedTo(QStringList& columns, int column) {
    if (column < 0) throw outOfRange();
    if (columns.size() <= column) columns.resize(column + 1);
    return columns[column];
}

} // namespace

QString ListView::cell(int index, int column) const {
    return columnOf(item(index).cells, column);
}

void ListView::setCell(int index, int column, const QString& text) {
    assign(extendedTo(item(index).cells, column), text);
}

QString ListView::cellToolTip(int index, int column) const {
    return columnOf(item(index).toolTips, column);
}

void ListView::setCellToolTip(int index, int column, const QString& text) {
    assign(extendedTo(item(index).toolTips, column), text);
}

void ListView::setSelectedItem(int index) {
    if (index != 0) checkItem(index);
    assign(selected_, index);
}

QString ListView::property(const QString& name, const QList<int>& args) const {
    if (named(name, u"count")) return QString::number(count());
    if (named(name, u"subitem")) return cell(argument(args, 0), argument(args, 1));
    if (named(name, u"header")) return header(argument(args, 0)).text;
    if (named(name, u"subitemtooltip")) return cellToolTip(argument(args, 0), argument(args, 1));
    return Control::property(name, args);
}

QStringList ListView::dump() const {
    QStringList entries{entry(QStringLiteral("count"), QString::number(count()))};
    for (int m = 1; m <= columnCount(); ++m)
        entries << entry(QStringLiteral("header(%1)").arg(m), headers_[m - 1].text);
    for (int n = 1; n <= count(); ++n) {
        int columns = std::max(columnCount(), int(items_[n - 1].cells.size()));
        for (int m = 0; m < columns; ++m)
            entries << entry(QStringLiteral("subitem(%1,%2)").arg(n).arg(m), cell(n, m));
    }
    return entries + Control::dump();
}

void ListView::saveDesign() {
    Control::saveDesign();
    designedHeaders_ = headers_;
}

void ListView::restoreDesign() {
    headers_ = designedHeaders_;
    items_.clear();
    selected_ = 0;
    Control::restoreDesign();
}

void ListView::checkItem(int index) const {
    if (index < 1 || index > count()) throw outOfRange();
}

ListView::Item& ListView::item(int index) {
    checkItem(index);
    return items_[index - 1];
}

const ListView::Item& ListView::item(int index) const {
    return const_cast<ListView*>(this)->item(index);
}

} // namespace forms
