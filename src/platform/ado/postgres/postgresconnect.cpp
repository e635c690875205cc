// The connection's keywords and the opening of the line.
#include "postgresconnect.h"

#include "platform/core/runtimeerror.h"
#include "postgreserror.h"

#include <QByteArray>
#include <algorithm>
#include <atomic>
#include <cstring>
#include <libpq-fe.h>
#include <vector>

namespace ado::postgres {

namespace {

// How long connecting may take, and how soon a line that stopped answering is given up: keepalive probes
// after 10 s of silence, every 5 s, three unanswered; data sent and not acknowledged for 20 s. The texts
// travel as UTF-8. The connection string may say otherwise.
const std::pair<const char*, const char*> LineDefaults[] = {
    {"connect_timeout", "10"},    {"keepalives", "1"},       {"keepalives_idle", "10"},
    {"keepalives_interval", "5"}, {"keepalives_count", "3"}, {"tcp_user_timeout", "20000"},
    {"client_encoding", "UTF8"}};

using Keywords = std::vector<std::pair<QByteArray, QByteArray>>;

bool names(const Keywords& keywords, const char* key) {
    return std::any_of(keywords.begin(), keywords.end(),
                       [&](const auto& keyword) { return keyword.first == key; });
}

// The connection string's keys as the client library names them ("Application Name" is application_name),
// then the line's defaults it does not set. An empty value leaves the library's own default.
Keywords keywordsOf(const ConnectionString& target) {
    Keywords keywords = {{"host", target.host.toUtf8()},
                         {"port", target.port.toUtf8()},
                         {"dbname", target.database.toUtf8()},
                         {"user", target.user.toUtf8()},
                         {"password", target.password.toUtf8()}};
    for (const auto& [key, value] : target.options)
        keywords.emplace_back(key.toLower().replace(u' ', u'_').toUtf8(), value.toUtf8());
    for (const auto& [key, value] : LineDefaults)
        if (!names(keywords, key)) keywords.emplace_back(key, value);
    return keywords;
}

// libpq's own receiver, which prints a message on stderr; every connection starts with the same one.
std::atomic<PQnoticeReceiver> printingReceiver{nullptr};

// Lets a message of the engine through to libpq's printing unless it is one of those below a warning.
void receiveNotice(void* argument, const PGresult* message) {
    const char* severity = PQresultErrorField(message, PG_DIAG_SEVERITY_NONLOCALIZED);
    for (const char* quiet : {"NOTICE", "INFO", "LOG", "DEBUG"})
        if (severity && std::strcmp(severity, quiet) == 0) return;
    printingReceiver.load()(argument, message);
}

void silenceNotices(PGconn* connection) {
    PQnoticeReceiver previous = PQsetNoticeReceiver(connection, receiveNotice, nullptr);
    if (previous != receiveNotice) printingReceiver = previous;
}

} // namespace

PgConnection connectTo(const ConnectionString& target) {
    const Keywords keywords = keywordsOf(target);
    std::vector<const char*> keys, values;
    for (const auto& [key, value] : keywords) {
        keys.push_back(key.constData());
        values.push_back(value.constData());
    }
    keys.push_back(nullptr);
    values.push_back(nullptr);
    PgConnection connection(PQconnectdbParams(keys.data(), values.data(), 0));
    if (PQstatus(connection.get()) != CONNECTION_OK)
        raiseDriverError(core::err::DbFailure, QString::fromUtf8(PQerrorMessage(connection.get())).trimmed());
    silenceNotices(connection.get());
    return connection;
}

} // namespace ado::postgres
