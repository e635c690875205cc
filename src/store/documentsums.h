// Sums kept per document (what was settled or received on it), read for many documents with one statement.
#pragma once

#include "platform/ado/connection.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <vector>

namespace store {

// The condition on a document's id that names the documents `ids`, written after the id: "= 7" for one, so
// that the statements of single documents share one shape, "in (7, 8)" for more.
QString documentsCondition(const QStringList& ids);

// The sums a statement gives by document: the statement, made for a documentsCondition, selects each named
// document's sum and its id, grouped by the document.
class DocumentSums {
public:
    using StatementFor = std::function<QString(const QString& documents)>;
    // What a failing statement does: throw its error, or leave its documents to be read one by one.
    enum class OnFailure { Throw, ReadAlone };

    // Reads the sums of the documents `ids`, a statement for each batch of them.
    DocumentSums(ado::ConnectionPtr connection, StatementFor statementFor, const QStringList& ids,
                 OnFailure onFailure);

    // The documents of one list and the statement that reads their sums.
    struct Request {
        StatementFor statementFor;
        QStringList ids;
    };
    // The sums of each request, in their order, every batch's statement sent to the engine together with
    // the others where it allows. When one fails, its error is thrown, or each request is read again as
    // the constructor reads it.
    static std::vector<DocumentSums> readTogether(const ado::ConnectionPtr& connection,
                                                  const std::vector<Request>& requests, OnFailure onFailure);

    // The document's sum, 0 when no row names it. A document whose batch failed is read alone now, so that
    // the documents before it were used and the error thrown is its own.
    QVariant of(const QString& id);

private:
    ado::ConnectionPtr connection_;
    StatementFor statementFor_;
    QHash<QString, QVariant> sums_;
    QSet<QString> unread_;

    DocumentSums(ado::ConnectionPtr connection, StatementFor statementFor);
    void read(const QStringList& ids);
    void take(ado::Cursor& rows);
};

} // namespace store
