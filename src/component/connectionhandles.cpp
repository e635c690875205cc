// A table from handle to a weak reference: a stale or forged handle finds nothing instead of crashing.
#include "connectionhandles.h"

#include <map>

namespace component {

namespace {

std::map<void*, std::weak_ptr<ado::Connection>>& table() {
    static std::map<void*, std::weak_ptr<ado::Connection>> handles;
    return handles;
}

} // namespace

void* ConnectionHandles::handleFor(const ado::ConnectionPtr& connection) {
    std::erase_if(table(), [](const auto& entry) { return entry.second.expired(); });
    void* handle = connection.get();
    table()[handle] = connection;
    return handle;
}

ado::ConnectionPtr ConnectionHandles::find(void* handle) {
    const auto found = table().find(handle);
    return found == table().end() ? nullptr : found->second.lock();
}

} // namespace component
