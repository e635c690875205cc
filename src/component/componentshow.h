// Show from inside a library: an application when the host has none, a scenario or the screen.
#pragma once

#include "k8tr4072.h"

#include <QString>
#include <functional>

namespace component {

class clsReceiptsShop;

#define K8TR4072_SCENARIO_ENV "RECEIPTS_SCENARIO"

class ComponentShow {
public:
    // Runs a scenario file headless inside Show; true when it ran to its end with every expectation met.
    using ScenarioShow = std::function<bool(clsReceiptsShop& object, const QString& file)>;

    // With RECEIPTS_SCENARIO naming a scenario file, runs it headless through the scenario runner when
    // the library carries one (K8_E_FAIL otherwise, and for a failing scenario). Otherwise the register
    // opens on the screen in the folder K8TR4072_FOLDER_ENV names, with the user's regional settings.
    static K8Result show(clsReceiptsShop& object);
    // Set by the scenario runner when a library is built with it.
    static void setScenarioShow(ScenarioShow run);
    // Ends the application the library created; the host's own stays.
    static void releaseApplication();

private:
    static K8Result showScenario(clsReceiptsShop& object, const QString& file);
    static K8Result showOnScreen(clsReceiptsShop& object);
};

} // namespace component
