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

// The library a host loads, and where the registry that names it lies.
struct ComponentChoice {
    QString library;
    QString registry;        // empty when no registry file can be named (no HOME)
    bool registered = false; // false: `library` is the one the host registers before loading it
};

class ComponentClient {
public:
    // The component installed with the host, or the one built with it for a host of the build tree;
    // `requested` when it is not empty.
    static QString ownLibrary(const QString& requested);
    // The registry's library when it names the class and its file exists, else `library`.
    static ComponentChoice choice(const QString& library);
    // Registers the library unless the registry names the class and its file still exists.
    static void ensureRegistered(const QString& library);
    // Registers the library in place of any entry of the class; the registration written.
    static ComponentChoice registerLibrary(const QString& library);
    // Removes the class's registration when it names `library`; an entry naming another file stays.
    static void unregisterLibrary(const QString& library);
    // Creates an instance of the registered class, hands it the session and the connection string,
    // shows it and releases it. ComponentError says which step failed.
    static void show(const scenario::SessionValues& session, const QString& connectionString);
};

} // namespace host
