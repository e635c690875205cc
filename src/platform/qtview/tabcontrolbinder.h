// Binds a tab control to a QTabWidget whose pages the window file lays out.
#pragma once

#include "controlbinder.h"

class QTabWidget;

namespace forms {
class TabControl;
}

namespace qtview {

class TabControlBinder : public ControlBinder {
public:
    TabControlBinder(forms::TabControl& tabs, QTabWidget& widget);

private:
    void refreshState() override;
    void userSwitched(int index);
    forms::TabControl& tabs_;
    QTabWidget& view_;
};

} // namespace qtview
