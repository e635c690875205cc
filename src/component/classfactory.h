// The class factory of clsReceiptsShop, one per library.
#pragma once

#include "k8tr4072.h"

namespace component {

class ClassFactory {
public:
    // The factory with a new reference; the reference counts against unloading until released.
    static K8ClassFactory* acquire();
};

} // namespace component
