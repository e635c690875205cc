// The statements a PostgreSQL connection prepared on the server, each under a name of its own.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <libpq-fe.h>
#include <vector>

namespace ado::postgres {

// Names and prepares statements; those let go are deallocated together, before the next one is prepared.
class PreparedStatements {
public:
    explicit PreparedStatements(PGconn* connection) : connection_(connection) {}
    PreparedStatements(const PreparedStatements&) = delete;
    PreparedStatements& operator=(const PreparedStatements&) = delete;

    // Prepares `sql`, its parameters of the `types` given; the name it runs under.
    QByteArray prepare(const QString& sql, const std::vector<Oid>& types);
    // The server may forget the statement.
    void release(const QByteArray& name) { unused_ << name; }

private:
    PGconn* connection_;
    QList<QByteArray> unused_;
    int prepared_ = 0;
};

} // namespace ado::postgres
