// Shared set-up of the database tests.
#include "shopdatabasetest.h"

#include "db/shopdatabase.h"
#include "platform/ado/driver.h"
#include "platform/ado/recordset.h"

namespace dbtest {

void ShopDatabaseTest::SetUp() {
    connection = ado::Connection::create();
    connection->open(QStringLiteral("Driver=sqlite;Database=:memory:"));
    db::createSchema(connection);
}

QVariant ShopDatabaseTest::scalar(const QString& sql) const {
    ado::Recordset rs;
    rs.open(sql, connection);
    return rs.eof() ? QVariant() : rs.field(0);
}

QList<QVariantList> ShopDatabaseTest::rows(const QString& sql) const {
    QList<QVariantList> result;
    ado::Recordset rs;
    rs.open(sql, connection);
    for (; !rs.eof(); rs.moveNext()) {
        QVariantList row;
        for (int i = 0; i < rs.fieldCount(); ++i)
            row << rs.field(i);
        result << row;
    }
    return result;
}

QStringList ShopDatabaseTest::texts(const QString& sql) const {
    QStringList result;
    for (const QVariantList& row : rows(sql))
        result << row.value(0).toString();
    return result;
}

void ShopDatabaseTest::native(const QString& script) const {
    connection->driver().executeNative(script);
}

} // namespace dbtest
