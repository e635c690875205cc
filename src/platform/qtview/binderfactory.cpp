// The pairs of control kinds and widget classes a window file may use.
#include "binderfactory.h"

#include "comboboxbinder.h"
#include "commandbuttonbinder.h"
#include "datepickerbinder.h"
#include "framebinder.h"
#include "gridbinder.h"
#include "imagebinder.h"
#include "labelbinder.h"
#include "listviewbinder.h"
#include "optionbuttonbinder.h"
#include "pictureboxbinder.h"
#include "platform/forms/combobox.h"
#include "platform/forms/datepicker.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/forms/image.h"
#include "platform/forms/listview.h"
#include "platform/forms/menu.h"
#include "platform/forms/tabcontrol.h"
#include "platform/forms/textcontrols.h"
#include "tabcontrolbinder.h"
#include "textboxbinder.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTreeView>

namespace qtview {

namespace {

template <class Binder, class ControlType, class WidgetType>
std::unique_ptr<ControlBinder> make(forms::Control& control, QWidget& widget) {
    auto* typed = qobject_cast<WidgetType*>(&widget);
    if (!typed) return nullptr;
    return std::make_unique<Binder>(static_cast<ControlType&>(control), *typed);
}

std::unique_ptr<ControlBinder> create(forms::Control& control, QWidget& widget) {
    using forms::ControlKind;
    switch (control.kind()) {
    case ControlKind::Label:
        return make<LabelBinder, forms::Label, QLabel>(control, widget);
    case ControlKind::TextBox:
        return make<TextBoxBinder, forms::TextBox, QLineEdit>(control, widget);
    case ControlKind::CommandButton:
        return make<CommandButtonBinder, forms::CommandButton, QPushButton>(control, widget);
    case ControlKind::OptionButton:
        return make<OptionButtonBinder, forms::OptionButton, QRadioButton>(control, widget);
    case ControlKind::Frame:
        return make<FrameBinder, forms::Frame, QGroupBox>(control, widget);
    case ControlKind::PictureBox:
        return make<PictureBoxBinder, forms::PictureBox, QWidget>(control, widget);
    case ControlKind::ComboBox:
        return make<ComboBoxBinder, forms::ComboBox, QComboBox>(control, widget);
    case ControlKind::ListView:
        return make<ListViewBinder, forms::ListView, QTreeView>(control, widget);
    case ControlKind::Grid:
        return make<GridBinder, forms::Grid, QTableView>(control, widget);
    case ControlKind::DatePicker:
        return make<DatePickerBinder, forms::DatePicker, QDateEdit>(control, widget);
    case ControlKind::TabControl:
        return make<TabControlBinder, forms::TabControl, QTabWidget>(control, widget);
    case ControlKind::Image:
        return make<ImageBinder, forms::Image, QLabel>(control, widget);
    default:
        return nullptr;
    }
}

} // namespace

std::unique_ptr<ControlBinder> bindControl(forms::Control& control, QWidget& widget) {
    std::unique_ptr<ControlBinder> binder = create(control, widget);
    if (!binder) {
        if (control.kind() != forms::ControlKind::Menu)
            qWarning("%s.%s: widget of class %s does not fit the control", qPrintable(control.form().name()),
                     qPrintable(control.name()), widget.metaObject()->className());
        return nullptr;
    }
    binder->refresh();
    return binder;
}

} // namespace qtview
