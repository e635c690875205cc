// Reading the widgets of the windows shown, by the runtime's property names.
#include "screenview.h"

#include "controltablemodel.h"
#include "qtbackend.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>

namespace qtview {

namespace {

using Shown = std::optional<QString>;

QString boolText(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

bool is(const QString& name, QStringView key) {
    return name.compare(key, Qt::CaseInsensitive) == 0;
}

int argument(const QList<int>& args, int index) {
    return index < args.size() ? args[index] : 0;
}

// The keyboard focus is in the widget, and its window is the one the keys go to.
bool hasKeyboardFocus(const QWidget& widget) {
    const QWidget* focused = QApplication::focusWidget();
    const bool inside = focused && (focused == &widget || widget.isAncestorOf(focused));
    return inside && widget.window()->isActiveWindow();
}

// Enabled and shown as the control's own setting, whatever its containers' is.
Shown common(const QWidget& widget, const QString& name) {
    if (is(name, u"enabled")) return boolText(!widget.testAttribute(Qt::WA_ForceDisabled));
    if (is(name, u"visible")) return boolText(!widget.isHidden());
    if (is(name, u"tooltip")) return widget.toolTip();
    if (is(name, u"focused")) return boolText(hasKeyboardFocus(widget));
    return std::nullopt;
}

Shown caption(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(&widget)) return frame->title();
    return std::nullopt;
}

Shown ofCombo(const QComboBox& combo, const QString& name, const QList<int>& args) {
    if (is(name, u"text")) return combo.currentText();
    if (is(name, u"listindex")) return QString::number(combo.currentIndex());
    if (is(name, u"listcount")) return QString::number(combo.count());
    if (is(name, u"item")) return combo.itemText(argument(args, 0));
    return std::nullopt;
}

QString cellText(const QAbstractItemModel& model, int modelRow, int col, int role = Qt::DisplayRole) {
    return model.data(model.index(modelRow, col), role).toString();
}

// List items count from 1, their columns and headers as the runtime counts them.
Shown ofList(const QAbstractItemView& view, const QString& name, const QList<int>& args) {
    const auto& model = static_cast<const ControlTableModel&>(*view.model());
    const int item = model.modelRow(argument(args, 0));
    if (is(name, u"count")) return QString::number(model.rowCount());
    if (is(name, u"subitem")) return cellText(model, item, argument(args, 1));
    if (is(name, u"subitemtooltip")) return cellText(model, item, argument(args, 1), Qt::ToolTipRole);
    if (is(name, u"header")) return model.headerData(argument(args, 0) - 1, Qt::Horizontal).toString();
    return std::nullopt;
}

// The colour a cell's text is drawn in, as the host numbers colours (blue-green-red); the view's own text
// colour is 0, black.
QString colorOf(const QVariant& foreground) {
    if (!foreground.canConvert<QColor>()) return QStringLiteral("0");
    const QColor color = foreground.value<QColor>();
    return QString::number(color.blue() << 16 | color.green() << 8 | color.red());
}

// The grid's fixed row is the view's header; its current cell is the view's. The top row is the runtime's:
// the view cannot scroll a short grid's last row to its top.
Shown ofGrid(const QTableView& view, const QString& name, const QList<int>& args) {
    const auto& model = static_cast<const ControlTableModel&>(*view.model());
    const QModelIndex current = view.selectionModel()->currentIndex();
    if (is(name, u"rows")) return QString::number(model.controlRow(model.rowCount()));
    if (is(name, u"cols")) return QString::number(model.columnCount());
    if (is(name, u"row") && current.isValid()) return QString::number(model.controlRow(current.row()));
    if (is(name, u"text") && current.isValid()) return current.data().toString();
    if (is(name, u"cell")) {
        const int row = argument(args, 0), col = argument(args, 1);
        if (row < model.shape().firstRow) return model.headerData(col, Qt::Horizontal).toString();
        return cellText(model, model.modelRow(row), col);
    }
    if (is(name, u"cellcolor"))
        return colorOf(model.data(model.index(model.modelRow(argument(args, 0)), argument(args, 1)),
                                  Qt::ForegroundRole));
    return std::nullopt;
}

Shown ofKind(const QWidget& widget, const QString& name, const QList<int>& args) {
    if (is(name, u"caption")) return caption(widget);
    if (const auto* line = qobject_cast<const QLineEdit*>(&widget))
        return is(name, u"text") ? Shown(line->text()) : Shown();
    if (const auto* option = qobject_cast<const QRadioButton*>(&widget))
        return is(name, u"value") ? Shown(boolText(option->isChecked())) : Shown();
    if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) return ofCombo(*combo, name, args);
    if (const auto* date = qobject_cast<const QDateEdit*>(&widget))
        return is(name, u"value") ? Shown(date->date().toString(QStringLiteral("yyyy-MM-dd"))) : Shown();
    if (const auto* tabs = qobject_cast<const QTabWidget*>(&widget)) {
        if (is(name, u"value")) return QString::number(tabs->currentIndex());
        if (is(name, u"tab")) return tabs->tabText(argument(args, 0));
        return std::nullopt;
    }
    if (const auto* grid = qobject_cast<const QTableView*>(&widget)) return ofGrid(*grid, name, args);
    if (const auto* list = qobject_cast<const QAbstractItemView*>(&widget)) return ofList(*list, name, args);
    return std::nullopt;
}

} // namespace

std::optional<QString> shownProperty(const QtBackend& windows, const forms::Control& control,
                                     const QString& name, const QList<int>& args) {
    const QWidget* widget = windows.widgetOf(control);
    if (!widget) return std::nullopt;
    if (Shown value = common(*widget, name)) return value;
    return ofKind(*widget, name, args);
}

} // namespace qtview
