// What keeps the library loaded: live objects, held factory references and server locks.
#pragma once

namespace component {

class ServerLifetime {
public:
    static void objectCreated() { ++objects_; }
    // The application the library may have created goes with the last object.
    static void objectDestroyed();
    static void factoryReferenced(int change) { factoryReferences_ += change; }
    static void lock(bool locking) { locks_ += locking ? 1 : (locks_ > 0 ? -1 : 0); }
    static bool canUnload() { return objects_ == 0 && factoryReferences_ == 0 && locks_ == 0; }

private:
    // One user-interface thread: plain counters.
    static inline int objects_ = 0;
    static inline int factoryReferences_ = 0;
    static inline int locks_ = 0;
};

} // namespace component
