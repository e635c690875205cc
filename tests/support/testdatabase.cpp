// A fresh database with the full schema, for tests.
#include "testdatabase.h"

#include "db/shopdatabase.h"
#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"

namespace testing_support {

TestDatabase::TestDatabase() : connection_(ado::Connection::create()) {
    connection_->open(QStringLiteral("Driver=sqlite;Database=") + dir_.filePath(QStringLiteral("test.db")));
    db::createSchema(connection_);
}

QString TestDatabase::scalar(const QString& sql) const {
    ado::Recordset rs;
    rs.open(sql, connection_);
    return rs.eof() ? QString() : core::nullAsEmpty(rs.field(0));
}

} // namespace testing_support
