// The class's properties by name, as the object's vtable reads and writes them.
#pragma once

#include "k8tr4072.h"

namespace component {
class clsReceiptsShop;
}

namespace component {

class ObjectProperties {
public:
    // K8_DISP_E_UNKNOWNNAME for a name the class does not have; the value is left untouched then.
    static K8Result get(component::clsReceiptsShop& object, const char* name, K8Value& value);
    // K8_DISP_E_TYPEMISMATCH for a value of the wrong type; the property keeps its value then.
    static K8Result put(component::clsReceiptsShop& object, const char* name, const K8Value& value);
};

} // namespace component
