// The factory's vtable: instances, references and server locks.
#include "classfactory.h"

#include "callbarrier.h"

#include "componentobject.h"
#include "serverlifetime.h"

namespace component {

namespace {

K8ClassFactory theFactory{nullptr};
int references = 0;

bool isFactory(const K8ClassFactory* self) {
    return self == &theFactory;
}

// The slots below but CreateInstance only count and compare: they cannot throw.
uint32_t addRef(K8ClassFactory* self) noexcept {
    if (!isFactory(self)) return 0;
    ServerLifetime::factoryReferenced(1);
    return ++references;
}

// A release beyond the references taken changes nothing.
uint32_t release(K8ClassFactory* self) noexcept {
    if (!isFactory(self) || references == 0) return 0;
    ServerLifetime::factoryReferenced(-1);
    return --references;
}

K8Result queryInterface(K8ClassFactory* self, const K8Guid* iid, void** object) noexcept {
    if (!object) return K8_E_POINTER;
    *object = nullptr;
    if (!isFactory(self) || !iid) return K8_E_POINTER;
    if (!k8tr4072_GuidEqual(iid, &K8_IID_IUnknown) && !k8tr4072_GuidEqual(iid, &K8_IID_IClassFactory))
        return K8_E_NOINTERFACE;
    addRef(self);
    *object = self;
    return K8_S_OK;
}

K8Result createInstance(K8ClassFactory* self, void* outer, const K8Guid* iid, void** object) {
    if (!object) return K8_E_POINTER;
    *object = nullptr;
    if (!isFactory(self) || !iid) return K8_E_POINTER;
    if (outer) return K8_CLASS_E_NOAGGREGATION;
    return guarded("CreateInstance", K8_E_UNEXPECTED, [&] {
        K8ReceiptsShop* instance = ComponentObject::create();
        const K8Result result = instance->vtbl->QueryInterface(instance, iid, object);
        instance->vtbl->Release(instance);
        return result;
    });
}

K8Result lockServer(K8ClassFactory* self, int32_t lock) noexcept {
    if (!isFactory(self)) return K8_E_POINTER;
    ServerLifetime::lock(lock != 0);
    return K8_S_OK;
}

const K8ClassFactoryVtbl vtable = {queryInterface, addRef, release, createInstance, lockServer};

} // namespace

K8ClassFactory* ClassFactory::acquire() {
    theFactory.vtbl = &vtable;
    addRef(&theFactory);
    return &theFactory;
}

} // namespace component
