// The host on the screen: obtains the component through the registry and shows the register on the shop
// database; returns when it closes.
#pragma once

#include "hostoptions.h"

namespace host {

class GuiHost {
public:
    // Needs a QApplication. The exit status: 0 after the register closed, 1 when the database could
    // not be opened or the component could not be obtained or shown.
    static int run(const HostOptions& options);
};

} // namespace host
