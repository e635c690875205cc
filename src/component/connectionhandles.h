// The connection handles hosts hold: only handles this library gave out are accepted back.
#pragma once

#include "platform/ado/connection.h"

namespace component {

class ConnectionHandles {
public:
    // The handle of the connection; the host does not own it and never frees it.
    static void* handleFor(const ado::ConnectionPtr& connection);
    // The connection behind a handle while some instance still holds it; null for anything else.
    static ado::ConnectionPtr find(void* handle);
};

} // namespace component
