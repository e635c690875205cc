// Checking and installing the dialect's functions in a PostgreSQL database.
#include "postgresdialect.h"

#include "platform/ado/quoting.h"
#include "postgresstatement.h"

#include <QCryptographicHash>

namespace ado::postgres {

namespace {

// The function whose comment names the version of the script installed; the script creates it first, so
// the comment, written last, says the whole script ran.
const QString markedFunction = QStringLiteral("tsql_len(text)");

QString installedVersion() {
    QByteArray digest = QCryptographicHash::hash(dialectScript, QCryptographicHash::Sha1);
    return QStringLiteral("dialect ") + QString::fromLatin1(digest.toHex().left(16));
}

} // namespace

bool hasDialect(PGconn* connection) {
    const PgResult check = runText(
        connection,
        QStringLiteral("select obj_description(to_regprocedure(%1), 'pg_proc')").arg(quoted(markedFunction)));
    return firstValue(check.get()) == installedVersion();
}

void ensureDialect(PGconn* connection) {
    if (hasDialect(connection)) return;
    const QString version = installedVersion();
    // The advisory lock, held to the end of the transaction, keeps a second installer waiting: the engine
    // refuses to replace one function from two transactions at once.
    QString install =
        QStringLiteral("begin; select pg_advisory_xact_lock(hashtext('tsql dialect'));\n") +
        QString::fromUtf8(dialectScript) +
        QStringLiteral(";\ncomment on function %1 is %2; commit").arg(markedFunction, quoted(version));
    try {
        runText(connection, install);
    } catch (...) {
        runText(connection, QStringLiteral("rollback"));
        throw;
    }
}

} // namespace ado::postgres
