// The host on the screen: opens the register on the shop database and returns when it closes.
#pragma once

#include "hostoptions.h"

namespace host {

class GuiHost {
public:
    // Needs a QApplication. The exit status: 0 after the register closed, 1 when the database could
    // not be opened.
    static int run(const HostOptions& options);

private:
    static QString prepareFolder(const QString& requested);
    static void applyUserLocale();
};

} // namespace host
