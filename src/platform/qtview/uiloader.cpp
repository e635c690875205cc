// Builds widgets, layouts and spacers from the elements of a Designer file.
#include "uiloader.h"

#include "platform/core/runtimeerror.h"
#include "uiproperty.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDomDocument>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTreeView>

namespace qtview {

namespace {

using WidgetFactory = QWidget* (*)(QWidget*);

template <class W> QWidget* make(QWidget* parent) {
    return new W(parent);
}

WidgetFactory widgetFactory(const QString& className) {
    static const QHash<QString, WidgetFactory> factories{
        {QStringLiteral("QWidget"), make<QWidget>},
        {QStringLiteral("QFrame"), make<QFrame>},
        {QStringLiteral("QGroupBox"), make<QGroupBox>},
        {QStringLiteral("QLabel"), make<QLabel>},
        {QStringLiteral("QLineEdit"), make<QLineEdit>},
        {QStringLiteral("QPlainTextEdit"), make<QPlainTextEdit>},
        {QStringLiteral("QPushButton"), make<QPushButton>},
        {QStringLiteral("QRadioButton"), make<QRadioButton>},
        {QStringLiteral("QCheckBox"), make<QCheckBox>},
        {QStringLiteral("QComboBox"), make<QComboBox>},
        {QStringLiteral("QDateEdit"), make<QDateEdit>},
        {QStringLiteral("QTabWidget"), make<QTabWidget>},
        {QStringLiteral("QTableView"), make<QTableView>},
        {QStringLiteral("QTreeView"), make<QTreeView>},
    };
    return factories.value(className);
}

QLayout* makeLayout(const QString& className) {
    if (className == QLatin1String("QVBoxLayout")) return new QVBoxLayout;
    if (className == QLatin1String("QHBoxLayout")) return new QHBoxLayout;
    if (className == QLatin1String("QGridLayout")) return new QGridLayout;
    return nullptr;
}

QList<QDomElement> childElements(const QDomElement& parent, const QString& tag) {
    QList<QDomElement> result;
    for (QDomElement child = parent.firstChildElement(tag); !child.isNull();
         child = child.nextSiblingElement(tag))
        result.append(child);
    return result;
}

QDomElement namedChild(const QDomElement& parent, const QString& tag, const QString& name) {
    for (const QDomElement& child : childElements(parent, tag))
        if (child.attribute(QStringLiteral("name")) == name) return child;
    return {};
}

QList<int> numberList(const QString& text) {
    QList<int> numbers;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        numbers.append(part.toInt());
    return numbers;
}

// Margins and spacings are plain numbers in the file but not all are properties of the layouts.
void applyLayoutProperties(QLayout& layout, const QDomElement& element) {
    QMargins margins = layout.contentsMargins();
    bool marginsGiven = false;
    for (const QDomElement& property : childElements(element, QStringLiteral("property"))) {
        const QString name = property.attribute(QStringLiteral("name"));
        const int value = property.firstChildElement().text().toInt();
        auto grid = qobject_cast<QGridLayout*>(&layout);
        if (name == QLatin1String("leftMargin"))
            margins.setLeft(value), marginsGiven = true;
        else if (name == QLatin1String("topMargin"))
            margins.setTop(value), marginsGiven = true;
        else if (name == QLatin1String("rightMargin"))
            margins.setRight(value), marginsGiven = true;
        else if (name == QLatin1String("bottomMargin"))
            margins.setBottom(value), marginsGiven = true;
        else if (grid && name == QLatin1String("horizontalSpacing"))
            grid->setHorizontalSpacing(value);
        else if (grid && name == QLatin1String("verticalSpacing"))
            grid->setVerticalSpacing(value);
        else
            applyUiProperty(layout, property);
    }
    if (marginsGiven) layout.setContentsMargins(margins);
}

void applyStretches(QLayout& layout, const QDomElement& element) {
    if (auto box = qobject_cast<QBoxLayout*>(&layout)) {
        const QList<int> stretches = numberList(element.attribute(QStringLiteral("stretch")));
        for (int i = 0; i < stretches.size() && i < box->count(); ++i)
            box->setStretch(i, stretches[i]);
    } else if (auto grid = qobject_cast<QGridLayout*>(&layout)) {
        const QList<int> rows = numberList(element.attribute(QStringLiteral("rowstretch")));
        for (int i = 0; i < rows.size(); ++i)
            grid->setRowStretch(i, rows[i]);
        const QList<int> columns = numberList(element.attribute(QStringLiteral("columnstretch")));
        for (int i = 0; i < columns.size(); ++i)
            grid->setColumnStretch(i, columns[i]);
    }
}

QSpacerItem* createSpacer(const QDomElement& element) {
    const QSize hint = [&] {
        const QDomElement size = namedChild(element, QStringLiteral("property"), QStringLiteral("sizeHint"))
                                     .firstChildElement(QStringLiteral("size"));
        return QSize(size.firstChildElement(QStringLiteral("width")).text().toInt(),
                     size.firstChildElement(QStringLiteral("height")).text().toInt());
    }();
    const QString orientation =
        namedChild(element, QStringLiteral("property"), QStringLiteral("orientation")).text();
    const QString sizeType =
        namedChild(element, QStringLiteral("property"), QStringLiteral("sizeType")).text();
    const QSizePolicy::Policy policy = sizeType.endsWith(QLatin1String("Fixed"))     ? QSizePolicy::Fixed
                                       : sizeType.endsWith(QLatin1String("Minimum")) ? QSizePolicy::Minimum
                                                                                     : QSizePolicy::Expanding;
    if (orientation.endsWith(QLatin1String("Vertical")))
        return new QSpacerItem(hint.width(), hint.height(), QSizePolicy::Minimum, policy);
    return new QSpacerItem(hint.width(), hint.height(), policy, QSizePolicy::Minimum);
}

} // namespace

void UiLoader::loadInto(QWidget& root, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw core::RuntimeError(core::err::FileNotFound,
                                 QStringLiteral("Window file not found: %1").arg(path));
    QDomDocument document;
    if (!document.setContent(&file))
        throw core::RuntimeError(core::err::BadFileName,
                                 QStringLiteral("Window file is not readable: %1").arg(path));
    const QDomElement top = document.documentElement().firstChildElement(QStringLiteral("widget"));
    UiLoader loader(path);
    root.setObjectName(top.attribute(QStringLiteral("name")));
    loader.buildWidget(root, top);
    loader.connectBuddies(root);
}

void UiLoader::buildWidget(QWidget& widget, const QDomElement& element) {
    applyProperties(widget, element);
    for (const QDomElement& child : childElements(element, QStringLiteral("widget")))
        createChild(widget, child);
    if (const QDomElement layout = element.firstChildElement(QStringLiteral("layout")); !layout.isNull())
        createLayout(layout, widget, true);
}

void UiLoader::applyProperties(QWidget& widget, const QDomElement& element) {
    for (const QDomElement& property : childElements(element, QStringLiteral("property"))) {
        const QString name = property.attribute(QStringLiteral("name"));
        if (name == QLatin1String("buddy")) {
            if (auto label = qobject_cast<QLabel*>(&widget))
                buddies_.emplace_back(label, property.firstChildElement().text());
        } else if (name == QLatin1String("geometry") && widget.isWindow()) {
            widget.resize(uiPropertyValue(widget, property).toRect().size());
        } else {
            applyUiProperty(widget, property);
        }
    }
}

QWidget* UiLoader::createChild(QWidget& parent, const QDomElement& element) {
    const QString className = element.attribute(QStringLiteral("class"));
    const WidgetFactory factory = widgetFactory(className);
    if (!factory) fail(QStringLiteral("unknown widget class %1").arg(className));
    QWidget* widget = factory(&parent);
    widget->setObjectName(element.attribute(QStringLiteral("name")));
    buildWidget(*widget, element);
    if (qobject_cast<QTabWidget*>(&parent)) addToTabs(parent, *widget, element);
    return widget;
}

void UiLoader::addToTabs(QWidget& tabs, QWidget& page, const QDomElement& element) {
    const QString title =
        namedChild(element, QStringLiteral("attribute"), QStringLiteral("title")).firstChildElement().text();
    static_cast<QTabWidget&>(tabs).addTab(&page, title);
}

// A widget's own layout is installed before its properties apply, so that margins it leaves out keep
// the style's defaults; a nested layout joins its parent layout afterwards.
QLayout* UiLoader::createLayout(const QDomElement& element, QWidget& owner, bool install) {
    QLayout* layout = makeLayout(element.attribute(QStringLiteral("class")));
    if (!layout)
        fail(QStringLiteral("unknown layout class %1").arg(element.attribute(QStringLiteral("class"))));
    layout->setObjectName(element.attribute(QStringLiteral("name")));
    if (install) owner.setLayout(layout);
    applyLayoutProperties(*layout, element);
    for (const QDomElement& item : childElements(element, QStringLiteral("item")))
        addLayoutItem(*layout, item, owner);
    applyStretches(*layout, element);
    return layout;
}

void UiLoader::addLayoutItem(QLayout& layout, const QDomElement& item, QWidget& owner) {
    QWidget* widget = nullptr;
    QLayout* child = nullptr;
    QSpacerItem* spacer = nullptr;
    const QDomElement widgetElement = item.firstChildElement(QStringLiteral("widget"));
    const QDomElement layoutElement = item.firstChildElement(QStringLiteral("layout"));
    const QDomElement spacerElement = item.firstChildElement(QStringLiteral("spacer"));
    if (!widgetElement.isNull())
        widget = createChild(owner, widgetElement);
    else if (!layoutElement.isNull())
        child = createLayout(layoutElement, owner, false);
    else if (!spacerElement.isNull())
        spacer = createSpacer(spacerElement);
    if (auto grid = qobject_cast<QGridLayout*>(&layout)) {
        const int row = item.attribute(QStringLiteral("row")).toInt();
        const int column = item.attribute(QStringLiteral("column")).toInt();
        const int rowSpan = item.attribute(QStringLiteral("rowspan"), QStringLiteral("1")).toInt();
        const int columnSpan = item.attribute(QStringLiteral("colspan"), QStringLiteral("1")).toInt();
        if (widget)
            grid->addWidget(widget, row, column, rowSpan, columnSpan);
        else if (child)
            grid->addLayout(child, row, column, rowSpan, columnSpan);
        else if (spacer)
            grid->addItem(spacer, row, column, rowSpan, columnSpan);
        return;
    }
    auto& box = static_cast<QBoxLayout&>(layout);
    if (widget)
        box.addWidget(widget);
    else if (child)
        box.addLayout(child);
    else if (spacer)
        box.addItem(spacer);
}

void UiLoader::connectBuddies(QWidget& root) {
    for (const auto& [label, name] : buddies_)
        label->setBuddy(root.findChild<QWidget*>(name));
}

void UiLoader::fail(const QString& what) const {
    throw core::RuntimeError(core::err::BadFileName, QStringLiteral("Window file %1: %2").arg(path_, what));
}

} // namespace qtview
