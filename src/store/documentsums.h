// Sums kept per document (what was settled or received on it), read for many documents with one statement.
#pragma once

#include "platform/ado/connection.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <QVariant>
#include <functional>

namespace store {

// The sums a statement gives by document: the statement, made for a list of ids written as the :documents of
// an "in (...)", selects each named document's id and its sum, grouped by the document.
class DocumentSums {
public:
    using StatementFor = std::function<QString(const QString& documents)>;
    // What a failing statement does: throw its error, or leave its documents to be read one by one.
    enum class OnFailure { Throw, ReadAlone };

    // Reads the sums of the documents `ids`, a statement for each batch of them.
    DocumentSums(ado::ConnectionPtr connection, StatementFor statementFor, const QStringList& ids,
                 OnFailure onFailure);

    // The document's sum, 0 when no row names it. A document whose batch failed is read alone now, so that
    // the documents before it were used and the error thrown is its own.
    QVariant of(const QString& id);

private:
    ado::ConnectionPtr connection_;
    StatementFor statementFor_;
    QHash<QString, QVariant> sums_;
    QSet<QString> unread_;

    void read(const QStringList& ids);
};

} // namespace store
