// Owners of what the client library (libpq) hands out: a result is cleared and a connection closed when its
// owner goes, on every path out.
#pragma once

#include <memory>

typedef struct pg_conn PGconn;
typedef struct pg_result PGresult;

namespace ado::postgres {

struct ResultRelease {
    void operator()(PGresult* result) const;
};

struct ConnectionRelease {
    void operator()(PGconn* connection) const;
};

// A statement's answer, its rows held on the client until it goes.
using PgResult = std::unique_ptr<PGresult, ResultRelease>;
// A connection to the server, closed when it goes.
using PgConnection = std::unique_ptr<PGconn, ConnectionRelease>;

} // namespace ado::postgres
