// Opening a connection to a PostgreSQL server through the client library.
#pragma once

#include "platform/ado/connectionstring.h"
#include "postgreslibpq.h"

namespace ado::postgres {

// Connects to the server the connection string names (Host, Port, Database, User, Password; a list of
// hosts or ports, one a host, is tried in turn); every other key goes to the client library as a
// connection option as written (sslmode=require, connect_timeout=5, Service=NAME for a service of its
// connection service file, which may name the database, ...), over the defaults that bound connecting and
// notice a dead line. The engine's notices below a warning stay off stderr. Error DbFailure with the client
// library's message when no server takes the connection.
PgConnection connectTo(const ConnectionString& target);

} // namespace ado::postgres
