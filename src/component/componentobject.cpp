// The object's vtable. A host's pointer stays valid after the last Release, so that a second Release or
// a late call answers an error code instead of touching freed memory. The object belongs to the thread that
// created it: a call from another thread is refused.
#include "componentobject.h"

#include "callbarrier.h"
#include "componentshow.h"
#include "objectproperties.h"
#include "serverlifetime.h"

#include "clsreceiptsshop.h"

#include <QString>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <utility>

namespace component {

namespace {

struct ObjectShell {
    K8ReceiptsShop base; // first, so the host's pointer is the shell's
    uint32_t references;
    component::clsReceiptsShop* object;
    std::thread::id owner;
};

// Guards the table of shells: any thread may create an object or ask after one.
std::mutex& shellsLock() {
    static std::mutex lock;
    return lock;
}

// Every shell ever handed out, keyed by the host's pointer; a dead one keeps its place.
std::unordered_map<const K8ReceiptsShop*, std::unique_ptr<ObjectShell>>& shells() {
    static std::unordered_map<const K8ReceiptsShop*, std::unique_ptr<ObjectShell>> all;
    return all;
}

// The live instance behind a host's pointer; null for a null, foreign or released pointer, and for one
// another thread created.
ObjectShell* live(K8ReceiptsShop* self) {
    const std::lock_guard guard(shellsLock());
    const auto found = shells().find(self);
    if (found == shells().end() || !found->second->object) return nullptr;
    return found->second->owner == std::this_thread::get_id() ? found->second.get() : nullptr;
}

// What a call that finds no live instance answers.
K8Result refusal(K8ReceiptsShop* self) {
    const std::lock_guard guard(shellsLock());
    const auto found = shells().find(self);
    const bool elsewhere = found != shells().end() && found->second->object &&
                           found->second->owner != std::this_thread::get_id();
    return elsewhere ? K8_RPC_E_WRONG_THREAD : K8_E_POINTER;
}

uint32_t addRef(K8ReceiptsShop* self) {
    return guarded("AddRef", uint32_t(0), [self] {
        ObjectShell* shell = live(self);
        return shell ? ++shell->references : 0;
    });
}

uint32_t release(K8ReceiptsShop* self) {
    return guarded("Release", uint32_t(0), [self]() -> uint32_t {
        ObjectShell* shell = live(self);
        if (!shell) return 0;
        if (--shell->references > 0) return shell->references;
        delete std::exchange(shell->object, nullptr);
        ServerLifetime::objectDestroyed();
        return 0;
    });
}

K8Result queryInterface(K8ReceiptsShop* self, const K8Guid* iid, void** object) {
    if (!object) return K8_E_POINTER;
    *object = nullptr;
    return guarded("QueryInterface", K8_E_UNEXPECTED, [&] {
        if (!live(self)) return refusal(self);
        if (!iid) return K8_E_POINTER;
        if (!k8tr4072_GuidEqual(iid, &K8_IID_IUnknown) && !k8tr4072_GuidEqual(iid, &K8_IID__clsReceiptsShop))
            return K8_E_NOINTERFACE;
        addRef(self);
        *object = self;
        return K8_S_OK;
    });
}

K8Result getProperty(K8ReceiptsShop* self, const char* name, K8Value* value) {
    return guarded("GetProperty", K8_E_UNEXPECTED, [&] {
        ObjectShell* shell = live(self);
        if (!shell) return refusal(self);
        if (!name || !value) return K8_E_POINTER;
        return ObjectProperties::get(*shell->object, name, *value);
    });
}

K8Result putProperty(K8ReceiptsShop* self, const char* name, const K8Value* value) {
    return guarded("PutProperty", K8_E_UNEXPECTED, [&] {
        ObjectShell* shell = live(self);
        if (!shell) return refusal(self);
        if (!name || !value) return K8_E_POINTER;
        return ObjectProperties::put(*shell->object, name, *value);
    });
}

// The host may release the object from inside Show; a reference of our own keeps it until Show returns.
// A failure the module did not trap ends Show with its error code.
K8Result invoke(K8ReceiptsShop* self, const char* name) {
    return guarded("Invoke", K8_DISP_E_EXCEPTION, [&] {
        ObjectShell* shell = live(self);
        if (!shell) return refusal(self);
        if (!name) return K8_E_POINTER;
        if (QString::fromUtf8(name).compare(QLatin1String("Show"), Qt::CaseInsensitive) != 0)
            return K8_DISP_E_UNKNOWNNAME;
        addRef(self);
        const K8Result result =
            guarded("Show", K8_DISP_E_EXCEPTION, [shell] { return ComponentShow::show(*shell->object); });
        release(self);
        return result;
    });
}

const K8ReceiptsShopVtbl vtable = {queryInterface, addRef, release, getProperty, putProperty, invoke};

} // namespace

K8ReceiptsShop* ComponentObject::create() {
    auto shell = std::make_unique<ObjectShell>(
        ObjectShell{{&vtable}, 1, new component::clsReceiptsShop(), std::this_thread::get_id()});
    K8ReceiptsShop* pointer = &shell->base;
    const std::lock_guard guard(shellsLock());
    shells().emplace(pointer, std::move(shell));
    ServerLifetime::objectCreated();
    return pointer;
}

void ServerLifetime::objectDestroyed() {
    if (--objects_ == 0) ComponentShow::releaseApplication();
}

} // namespace component
