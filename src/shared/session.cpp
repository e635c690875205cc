// The one session context of the loaded component.
#include "session.h"

#include "windows.h"

#include "platform/core/runtimeerror.h"

namespace shared {

Session& session() {
    static Session current;
    return current;
}

Windows& windows() {
    static Windows current;
    return current;
}

ado::ConnectionPtr& registerConnection() {
    if (!session().registerWindow) throw core::RuntimeError::of(core::err::ObjectNotSet);
    return session().registerWindow->adocon();
}

} // namespace shared
