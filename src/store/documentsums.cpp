// Reading sums by document a batch of documents at a time.
#include "documentsums.h"

#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"

namespace store {

namespace {

// Documents named in one statement: few enough that the statement stays short for the engine, and that a
// failing one leaves few to be read again one by one.
constexpr qsizetype BatchSize = 5000;

} // namespace

QString documentsCondition(const QStringList& ids) {
    if (ids.size() == 1) return QStringLiteral("= ") + ids.front();
    return QStringLiteral("in (") + ids.join(QStringLiteral(", ")) + QLatin1Char(')');
}

DocumentSums::DocumentSums(ado::ConnectionPtr connection, StatementFor statementFor, const QStringList& ids,
                           OnFailure onFailure)
    : connection_(std::move(connection)), statementFor_(std::move(statementFor)) {
    for (qsizetype first = 0; first < ids.size(); first += BatchSize) {
        const QStringList batch = ids.mid(first, BatchSize);
        try {
            read(batch);
        } catch (const core::RuntimeError&) {
            if (onFailure == OnFailure::Throw) throw;
            unread_.unite(QSet<QString>(batch.cbegin(), batch.cend()));
        }
    }
}

QVariant DocumentSums::of(const QString& id) {
    if (unread_.remove(id)) read({id});
    return sums_.value(id, QVariant(0));
}

void DocumentSums::read(const QStringList& ids) {
    ado::Recordset rows;
    rows.open(statementFor_(documentsCondition(ids)), connection_, ado::CursorType::ForwardOnly,
              ado::LockType::ReadOnly);
    for (; !rows.eof(); rows.moveNext())
        sums_.insert(core::nullAsEmpty(rows.field(1)), rows.field(0));
}

} // namespace store
