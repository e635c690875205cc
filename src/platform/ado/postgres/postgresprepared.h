// The statements a PostgreSQL connection prepared on the server, each under a name of its own.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <libpq-fe.h>
#include <vector>

namespace ado::postgres {

// Names and prepares statements; those let go are deallocated together, in the round trip that prepares
// the next one.
class PreparedStatements {
public:
    explicit PreparedStatements(PGconn* connection) : connection_(connection) {}
    PreparedStatements(const PreparedStatements&) = delete;
    PreparedStatements& operator=(const PreparedStatements&) = delete;

    struct Prepared {
        QByteArray name;     // the name the statement runs under
        QStringList columns; // the names of the columns it gives, as the engine names them
    };
    // Prepares `sql`, its parameters of the `types` given.
    Prepared prepare(const QString& sql, const std::vector<Oid>& types);
    // The server may forget the statement.
    void release(const QByteArray& name) { unused_.push_back(name); }

private:
    PGconn* connection_;
    std::vector<QByteArray> unused_;
    int prepared_ = 0;
};

} // namespace ado::postgres
