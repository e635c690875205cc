// The component as receipts-host obtains it, like any other host: through the registry and the entry points.
#pragma once

#include "scenario/sessionvalues.h"

#include <QString>
#include <stdexcept>

namespace host {

class ComponentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ComponentClient {
public:
    // Registers the library unless the registry names the class and its file still exists.
    static void ensureRegistered(const QString& library);
    // Creates an instance of the registered class, hands it the session and the connection string,
    // shows it and releases it. ComponentError says which step failed.
    static void show(const scenario::SessionValues& session, const QString& connectionString);
};

} // namespace host
