// Show from inside a library: an application when the host has none, a scenario or the screen.
#pragma once

#include "k8tr4072.h"

#include <QString>

namespace component {
class clsReceiptsShop;
}

namespace component {

#define K8TR4072_SCENARIO_ENV "RECEIPTS_SCENARIO"

class ComponentShow {
public:
    // With RECEIPTS_SCENARIO naming a scenario file, runs it headless and prints its transcript: each
    // `show` of the scenario calls the object's Show. The object's properties are the scenario's
    // session until its `session` lines change them; the object's connection serves unless the
    // scenario names a database. A scenario that fails answers K8_E_FAIL. Otherwise the register opens
    // on the screen in the folder K8TR4072_FOLDER_ENV names, with the user's regional settings.
    static K8Result show(component::clsReceiptsShop& object);
    // Ends the application the library created; the host's own stays.
    static void releaseApplication();

private:
    static K8Result showScenario(component::clsReceiptsShop& object, const QString& file);
    static K8Result showOnScreen(component::clsReceiptsShop& object);
};

} // namespace component
