// Statements on the connection: scripts through the simple protocol, statements with values and prepared
// ones through the extended protocol, several at once in a pipeline.
#include "postgresstatement.h"

#include "platform/ado/adoerror.h"
#include "platform/core/runtimeerror.h"
#include "postgreserror.h"
#include "postgresvalues.h"

#include <functional>

namespace ado::postgres {

namespace {

// The first line of what the client library last said about the connection.
QString clientMessage(PGconn* connection) {
    return QString::fromUtf8(PQerrorMessage(connection)).section(u'\n', 0, 0).trimmed();
}

bool succeeded(const PGresult* answer) {
    switch (PQresultStatus(answer)) {
    case PGRES_COMMAND_OK:
    case PGRES_TUPLES_OK:
    case PGRES_EMPTY_QUERY:
        return true;
    default:
        return false;
    }
}

// The answer, raised when it is a refusal.
PgResult accepted(PGconn* connection, PgResult answer) {
    if (!answer || !succeeded(answer.get())) raiseFailure(connection, answer.get());
    return answer;
}

// Hands the statement to the pipeline.
bool send(PGconn* connection, const Statement& statement) {
    std::vector<const char*> values;
    for (const auto& value : statement.values)
        values.push_back(value ? value->constData() : nullptr);
    const int count = int(values.size());
    if (!statement.prepared.isEmpty())
        return PQsendQueryPrepared(connection, statement.prepared.constData(), count, values.data(), nullptr,
                                   nullptr, 0);
    return PQsendQueryParams(connection, statement.text.constData(), count,
                             statement.types.empty() ? nullptr : statement.types.data(), values.data(),
                             nullptr, nullptr, 0);
}

// What a pipeline answered: each statement's answer, up to the first refusal, which is kept apart.
struct PipelineAnswers {
    std::vector<PgResult> answers;
    PgResult refusal;
};

// Reads the answers up to the pipeline's end (its sync), or until the line broke. A statement's answer
// is followed by a null; two nulls in a row mean nothing more is coming.
PipelineAnswers readPipeline(PGconn* connection) {
    PipelineAnswers read;
    for (int nulls = 0; nulls < 2;) {
        PgResult answer(PQgetResult(connection));
        if (!answer) {
            if (PQstatus(connection) == CONNECTION_BAD) break;
            ++nulls;
            continue;
        }
        nulls = 0;
        const ExecStatusType status = PQresultStatus(answer.get());
        if (status == PGRES_PIPELINE_SYNC) break;
        if (succeeded(answer.get()))
            read.answers.push_back(std::move(answer));
        else if (status != PGRES_PIPELINE_ABORTED && !read.refusal)
            read.refusal = std::move(answer);
    }
    return read;
}

// Sends what `sendAll` sends in one pipeline, ended by its sync, and reads the `expected` answers.
std::vector<PgResult> pipelined(PGconn* connection, size_t expected, const std::function<bool()>& sendAll) {
    if (!PQenterPipelineMode(connection)) raiseFailure(connection, nullptr);
    bool sent = sendAll();
    sent = PQpipelineSync(connection) && sent;
    PipelineAnswers read = readPipeline(connection);
    PQexitPipelineMode(connection);
    if (read.refusal || !sent || read.answers.size() != expected)
        raiseFailure(connection, read.refusal.get());
    return std::move(read.answers);
}

} // namespace

bool lineBroken(PGconn* connection) {
    // A server ending the session says why before it closes the line: a second read finds the end.
    for (int read = 0; read < 2; ++read)
        if (PQstatus(connection) == CONNECTION_OK && PQtransactionStatus(connection) != PQTRANS_ACTIVE)
            PQconsumeInput(connection);
    return PQstatus(connection) == CONNECTION_BAD;
}

void raiseFailure(PGconn* connection, const PGresult* refusal) {
    if (refusal && PQstatus(connection) != CONNECTION_BAD) raiseEngineError(refusal);
    const QString told = refusal ? engineMessage(refusal) : QString();
    if (PQstatus(connection) != CONNECTION_BAD)
        raiseDriverError(core::err::DbFailure, clientMessage(connection));
    throw unreachableServer(told.isEmpty() ? clientMessage(connection) : told, driverName);
}

PgResult runText(PGconn* connection, const QString& sql) {
    return accepted(connection, PgResult(PQexec(connection, sql.toUtf8().constData())));
}

std::vector<PgResult> runTogether(PGconn* connection, const std::vector<Statement>& statements) {
    return pipelined(connection, statements.size(), [&] {
        for (const Statement& statement : statements)
            if (!send(connection, statement)) return false;
        return true;
    });
}

QVariant firstValue(const PGresult* answer) {
    if (PQntuples(answer) == 0 || PQnfields(answer) == 0 || PQgetisnull(answer, 0, 0)) return {};
    const char* text = PQgetvalue(answer, 0, 0);
    const int length = PQgetlength(answer, 0, 0);
    switch (const ColumnKind kind = columnKind(PQftype(answer, 0))) {
    case ColumnKind::Integer:
    case ColumnKind::BigInteger:
        return readValue(ColumnKind::BigInteger, text, length);
    case ColumnKind::Decimal:
    case ColumnKind::Number:
        return readValue(kind, text, length);
    default:
        return QString::fromUtf8(text, length);
    }
}

QStringList prepare(PGconn* connection, const std::vector<QByteArray>& released, const QByteArray& name,
                    const QString& sql, const std::vector<Oid>& types) {
    const std::vector<PgResult> answers = pipelined(connection, released.size() + 2, [&] {
        for (const QByteArray& old : released)
            if (!PQsendQueryParams(connection, ("deallocate " + old).constData(), 0, nullptr, nullptr,
                                   nullptr, nullptr, 0))
                return false;
        return PQsendPrepare(connection, name.constData(), sql.toUtf8().constData(), int(types.size()),
                             types.data()) &&
               PQsendDescribePrepared(connection, name.constData());
    });
    return columnNames(answers.back().get());
}

QStringList columnNames(const PGresult* answer) {
    QStringList names;
    for (int column = 0; column < PQnfields(answer); ++column)
        names << QString::fromUtf8(PQfname(answer, column));
    return names;
}

bool transactionFailed(PGconn* connection) {
    return PQtransactionStatus(connection) == PQTRANS_INERROR;
}

} // namespace ado::postgres
