// Releasing the client library's results and connections.
#include "postgreslibpq.h"

#include <libpq-fe.h>

namespace ado::postgres {

void ResultRelease::operator()(PGresult* result) const {
    PQclear(result);
}

void ConnectionRelease::operator()(PGconn* connection) const {
    PQfinish(connection);
}

} // namespace ado::postgres
