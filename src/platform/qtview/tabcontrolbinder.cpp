// Tab captions and the current tab; the user switching tabs makes the new tab current and raises
// Click, as the host's tab control does.
#include "tabcontrolbinder.h"

#include "platform/forms/tabcontrol.h"
#include "platform/forms/userinput.h"

#include <QTabWidget>
#include <algorithm>

namespace qtview {

TabControlBinder::TabControlBinder(forms::TabControl& tabs, QTabWidget& widget)
    : ControlBinder(tabs, widget), tabs_(tabs), view_(widget) {
    connect(&view_, &QTabWidget::currentChanged, this, &TabControlBinder::userSwitched);
}

void TabControlBinder::refreshState() {
    const int pages = std::min(view_.count(), tabs_.tabCount());
    for (int i = 0; i < pages; ++i)
        view_.setTabText(i, tabs_.tabCaption(i));
    if (tabs_.currentTab() < view_.count()) view_.setCurrentIndex(tabs_.currentTab());
}

void TabControlBinder::userSwitched(int index) {
    act([this, index] { forms::user::chooseTab(tabs_, index); });
}

} // namespace qtview
