// Builds a window's widgets from a Designer .ui file.
#pragma once

#include <QString>
#include <utility>
#include <vector>

class QDomElement;
class QLabel;
class QLayout;
class QWidget;

namespace qtview {

// Reads the widgets, layouts, spacers and properties Designer writes for the module's windows
// (box and grid layouts, tab pages, label buddies). The toolkit's own loader needs an extra tools
// package, and the module's windows use only this subset.
class UiLoader {
public:
    // Builds the file's top-level widget into root: root takes its size, title and layout, and its
    // children become root's. The path is a resource (":/forms/FrmMaster.ui") or a file. Throws
    // RuntimeError when the file is missing or names a widget class the loader does not know.
    static void loadInto(QWidget& root, const QString& path);

private:
    explicit UiLoader(QString path) : path_(std::move(path)) {}
    void buildWidget(QWidget& widget, const QDomElement& element);
    void applyProperties(QWidget& widget, const QDomElement& element);
    QWidget* createChild(QWidget& parent, const QDomElement& element);
    void addToTabs(QWidget& tabs, QWidget& page, const QDomElement& element);
    QLayout* createLayout(const QDomElement& element, QWidget& owner, bool install);
    void addLayoutItem(QLayout& layout, const QDomElement& item, QWidget& owner);
    void connectBuddies(QWidget& root);
    [[noreturn]] void fail(const QString& what) const;

    QString path_;
    std::vector<std::pair<QLabel*, QString>> buddies_;
};

} // namespace qtview
