// Shared set-up of the database tests: a new database file holding the schema, and statement helpers.
#pragma once

#include "platform/ado/connection.h"
#include "platform/core/runtimeerror.h"

#include <QList>
#include <QStringList>
#include <QVariant>
#include <gtest/gtest.h>

namespace dbtest {

// Opens a private in-memory database with the schema; statements go through the module's dialect unless
// named native.
class ShopDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override;

    // The first field of the first row; an invalid value for no row.
    QVariant scalar(const QString& sql) const;
    double number(const QString& sql) const { return scalar(sql).toDouble(); }
    long long count(const QString& sql) const { return scalar(sql).toLongLong(); }
    // Every row, every field.
    QList<QVariantList> rows(const QString& sql) const;
    // The first field of every row as text.
    QStringList texts(const QString& sql) const;
    void execute(const QString& sql) const { connection->execute(sql); }
    void native(const QString& script) const;

    ado::ConnectionPtr connection;
};

// The runtime error `work` throws; the test fails when it throws none.
template <typename Work> rt::RuntimeError errorOf(Work work) {
    try {
        work();
    } catch (const rt::RuntimeError& error) {
        return error;
    }
    ADD_FAILURE() << "no runtime error was raised";
    return rt::RuntimeError(0, QString());
}

// A decimal as the module writes ids and amounts into statement texts.
inline QString sqlNumber(double value) {
    return QString::number(value, 'g', 15);
}

} // namespace dbtest

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QVariant& value, std::ostream* out) {
    *out << value.typeName() << '(' << value.toString().toStdString() << ')';
}
QT_END_NAMESPACE
