// The receipt store's own tables and keys, defined here and nowhere else, made in place on old databases.
#include "schemaupgrade.h"

#include "platform/ado/driver.h"
#include "platform/ado/recordset.h"
#include "platform/ado/transaction.h"
#include "platform/core/runtimeerror.h"

namespace db {

namespace {

// Written so that every engine takes them as they stand, and again on a database that has them. A new
// receipt's cheque is looked up among the shop's by its number before it is stored.
const char* const Tables[] = {
    "create table if not exists LosReceiptLock (rlId integer not null primary key, rlSaves integer not "
    "null default 0)",
    "create table if not exists LosReceiptNumbering (rnPrefix text not null primary key, rnLastNo "
    "integer not null default 0)",
    "create table if not exists LosReceiptSaveKey (skKey text not null primary key, skShopId integer, "
    "skReceiptId integer)",
    "create index if not exists ixReceiptHeaderCheque on LosDummyReceiptHeader (drShopid, drchequeno)",
    "insert into LosReceiptLock (rlId, rlSaves) select 1, 0 where not exists (select rlId from "
    "LosReceiptLock where rlId = 1)"};

// A unique key, and the rows that break it with the columns that name them.
struct UniqueKey {
    const char* create;
    const char* breakingRows;
    const char* whatBreaksIt;
};

const UniqueKey Keys[] = {
    {"create unique index if not exists uxReceiptHeaderShopId on LosDummyReceiptHeader (drShopid, drID)",
     "select drShopid, drID, count(*) from LosDummyReceiptHeader group by drShopid, drID having count(*) > 1 "
     "order by drShopid, drID",
     "Receipt ids stored more than once (shop, id, rows)"},
    {"create unique index if not exists uxReceiptHeaderNo on LosDummyReceiptHeader (drNo)",
     "select drNo, drShopid, drID from LosDummyReceiptHeader where drNo in (select drNo from "
     "LosDummyReceiptHeader group by drNo having count(*) > 1) order by drNo, drShopid, drID",
     "Receipt numbers stored more than once (number, shop, id)"}};

// Each row as its values separated by blanks, the rows by semicolons.
QString rowsOf(const QString& sql, const ado::ConnectionPtr& connection) {
    QStringList rows;
    ado::Recordset rs;
    for (rs.open(sql, connection, ado::CursorType::ForwardOnly, ado::LockType::ReadOnly); !rs.eof();
         rs.moveNext()) {
        QStringList values;
        for (int i = 0; i < rs.fieldCount(); ++i)
            values << rs.field(i).toString();
        rows << values.join(QLatin1Char(' '));
    }
    return rows.join(QStringLiteral("; "));
}

// The key in a savepoint of its own, so that a failed one leaves the rest of the upgrade standing; what
// broke it, for the log, when it could not be made.
QString createKey(const UniqueKey& key, const ado::ConnectionPtr& connection) {
    ado::Transaction savepoint(connection);
    try {
        connection->execute(QString::fromUtf8(key.create));
        savepoint.commit();
        return QString();
    } catch (const core::RuntimeError& error) {
        if (error.number() != core::err::DbConstraintViolation) throw;
    }
    return QString::fromUtf8(key.whatBreaksIt);
}

} // namespace

QStringList upgradeDatabase(const ado::ConnectionPtr& connection) {
    connection->driver().installFunctions();
    QStringList broken;
    {
        ado::Transaction transaction(connection);
        connection->driver().lockSchemaChanges();
        for (const char* table : Tables)
            connection->execute(QString::fromUtf8(table));
        for (const UniqueKey& key : Keys) {
            const QString failed = createKey(key, connection);
            if (!failed.isEmpty())
                broken << failed + QStringLiteral(", left without its unique key: ") +
                              rowsOf(QString::fromUtf8(key.breakingRows), connection);
        }
        transaction.commit();
    }
    return broken;
}

} // namespace db
