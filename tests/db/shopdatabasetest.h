// Shared set-up of the database tests: a private in-memory database holding the schema, and statement
// helpers.
#pragma once

#include "db/shopdatabase.h"
#include "platform/ado/driver.h"
#include "platform/ado/recordset.h"
#include "platform/core/runtimeerror.h"

#include <QStringList>
#include <QVariant>
#include <gtest/gtest.h>

namespace dbtest {

// Statements go through the module's dialect unless named native.
class ShopDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        connection = ado::Connection::create();
        connection->open("Driver=sqlite;Database=:memory:");
        db::createSchema(connection);
    }
    QList<QVariantList> rows(const QString& sql) const {
        QList<QVariantList> result;
        ado::Recordset rs;
        for (rs.open(sql, connection); !rs.eof(); rs.moveNext())
            for (int i = 0; i < rs.fieldCount(); ++i)
                (i ? result.last() : result.emplace_back()) << rs.field(i);
        return result;
    }
    QVariant scalar(const QString& sql) const { return rows(sql).value(0).value(0); }
    long long count(const QString& sql) const { return scalar(sql).toLongLong(); }
    QStringList texts(const QString& sql) const {
        QStringList result;
        for (const QVariantList& row : rows(sql))
            result << row.value(0).toString();
        return result;
    }
    void execute(const QString& sql) const { connection->execute(sql); }
    void native(const QString& script) const { connection->driver().executeNative(script); }

    ado::ConnectionPtr connection;
};

// The runtime error `work` throws; the test fails when it throws none.
template <typename Work> core::RuntimeError errorOf(Work work) {
    try {
        work();
    } catch (const core::RuntimeError& error) {
        return error;
    }
    ADD_FAILURE() << "no runtime error was raised";
    return core::RuntimeError(0, QString());
}

} // namespace dbtest

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE
