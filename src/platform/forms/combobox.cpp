// The combo box: items with item data and the selected index.
#include "combobox.h"

#include "controlhelpers.h"

namespace forms {

ComboBox::ComboBox(Form& form, const QString& name, Control* container)
    : Control(form, name, ControlKind::ComboBox, container) {}

void ComboBox::addItem(const QString& text) {
    items_.push_back({text, 0});
    newIndex_ = listCount() - 1;
    changed();
}

void ComboBox::removeItem(int index) {
    checkIndex(index);
    items_.erase(items_.begin() + index);
    if (listIndex_ == index)
        listIndex_ = -1;
    else if (listIndex_ > index)
        --listIndex_;
    changed();
}

void ComboBox::clear() {
    items_.clear();
    listIndex_ = newIndex_ = -1;
    changed();
}

QString ComboBox::list(int index) const {
    if (index == -1) return text(); // the list at -1 reads as the control's own text
    checkIndex(index);
    return items_[index].text;
}

int ComboBox::itemData(int index) const {
    checkIndex(index);
    return items_[index].data;
}

void ComboBox::setItemData(int index, int data) {
    checkIndex(index);
    assign(items_[index].data, data);
}

void ComboBox::setListIndex(int index) {
    if (index < -1 || index >= listCount()) throw invalidValue();
    if (!assign(listIndex_, index)) return;
    fire(Click);
}

QString ComboBox::text() const {
    return listIndex_ < 0 ? QString() : items_[listIndex_].text;
}

QString ComboBox::property(const QString& name, const QList<int>& args) const {
    if (named(name, u"text")) return text();
    if (named(name, u"listindex")) return QString::number(listIndex_);
    if (named(name, u"listcount")) return QString::number(listCount());
    if (named(name, u"item")) return list(argument(args, 0));
    if (named(name, u"itemdata")) return QString::number(itemData(argument(args, 0)));
    return Control::property(name, args);
}

QStringList ComboBox::dump() const {
    QStringList entries{entry(QStringLiteral("text"), text()),
                        entry(QStringLiteral("listindex"), QString::number(listIndex_)),
                        entry(QStringLiteral("listcount"), QString::number(listCount()))};
    for (int i = 0; i < listCount(); ++i) {
        entries << entry(QStringLiteral("item(%1)").arg(i), items_[i].text)
                << entry(QStringLiteral("itemdata(%1)").arg(i), QString::number(items_[i].data));
    }
    return entries + Control::dump();
}

void ComboBox::saveDesign() {
    Control::saveDesign();
    designedItems_ = items_;
}

void ComboBox::restoreDesign() {
    items_ = designedItems_;
    listIndex_ = newIndex_ = -1;
    Control::restoreDesign();
}

void ComboBox::checkIndex(int index) const {
    if (index < 0 || index >= listCount()) throw outOfRange();
}

} // namespace forms
