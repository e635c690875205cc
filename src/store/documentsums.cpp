// Reading sums by document a batch of documents at a time.
#include "documentsums.h"

#include "platform/ado/driver.h"
#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"

namespace store {

namespace {

// Documents named in one statement: few enough that the statement stays short for the engine, and that a
// failing one leaves few to be read again one by one.
constexpr qsizetype BatchSize = 5000;

std::vector<QStringList> batchesOf(const QStringList& ids) {
    std::vector<QStringList> batches;
    for (qsizetype first = 0; first < ids.size(); first += BatchSize)
        batches.push_back(ids.mid(first, BatchSize));
    return batches;
}

} // namespace

QString documentsCondition(const QStringList& ids) {
    if (ids.size() == 1) return QStringLiteral("= ") + ids.front();
    return QStringLiteral("in (") + ids.join(QStringLiteral(", ")) + QLatin1Char(')');
}

DocumentSums::DocumentSums(ado::ConnectionPtr connection, StatementFor statementFor, const QStringList& ids,
                           OnFailure onFailure)
    : DocumentSums(std::move(connection), std::move(statementFor)) {
    for (const QStringList& batch : batchesOf(ids)) {
        try {
            read(batch);
        } catch (const core::RuntimeError&) {
            if (onFailure == OnFailure::Throw) throw;
            unread_.unite(QSet<QString>(batch.cbegin(), batch.cend()));
        }
    }
}

DocumentSums::DocumentSums(ado::ConnectionPtr connection, StatementFor statementFor)
    : connection_(std::move(connection)), statementFor_(std::move(statementFor)) {}

std::vector<DocumentSums> DocumentSums::readTogether(const ado::ConnectionPtr& connection,
                                                     const std::vector<Request>& requests,
                                                     OnFailure onFailure) {
    std::vector<DocumentSums> sums;
    QStringList statements;
    std::vector<size_t> requestOf;
    for (const Request& request : requests) {
        for (const QStringList& batch : batchesOf(request.ids)) {
            statements << request.statementFor(documentsCondition(batch));
            requestOf.push_back(sums.size());
        }
        sums.push_back(DocumentSums(connection, request.statementFor));
    }
    try {
        connection->queryTogether(
            statements, [&](qsizetype i, ado::Cursor& rows) { sums[requestOf[size_t(i)]].take(rows); });
    } catch (const core::RuntimeError&) {
        if (onFailure == OnFailure::Throw) throw;
        sums.clear();
        for (const Request& request : requests)
            sums.emplace_back(connection, request.statementFor, request.ids, onFailure);
    }
    return sums;
}

QVariant DocumentSums::of(const QString& id) {
    if (unread_.remove(id)) read({id});
    return sums_.value(id, QVariant(0));
}

void DocumentSums::read(const QStringList& ids) {
    connection_->queryTogether({statementFor_(documentsCondition(ids))},
                               [this](qsizetype, ado::Cursor& rows) { take(rows); });
}

void DocumentSums::take(ado::Cursor& rows) {
    QVariantList row;
    while (rows.fetch(row))
        sums_.insert(core::nullAsEmpty(row.value(1)), row.value(0));
}

} // namespace store
