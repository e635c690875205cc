// A clsReceiptsShop instance behind the C vtable the hosts call.
#pragma once

#include "k8tr4072.h"

namespace component {

class ComponentObject {
public:
    // A new instance with one reference, as the factory hands it out; null when it cannot be made.
    static K8ReceiptsShop* create();
};

} // namespace component
