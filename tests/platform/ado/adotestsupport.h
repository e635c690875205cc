// Shared set-up of the data access tests: a fresh database per test for each driver, and error checks.
#pragma once

#include "platform/ado/connection.h"
#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace adotest {

// The drivers every database test runs against.
inline const auto drivers = ::testing::Values(QStringLiteral("sqlite"));

// A database test run once per driver (the parameter), on a new database holding the receipt
// header, an invoice table and the stored-procedure table, with dates and texts declared as the
// driver needs them.
class DriverTest : public ::testing::TestWithParam<QString> {
protected:
    void SetUp() override;

    // A further connection on the same database.
    ado::ConnectionPtr openConnection() const;
    // The first field of the first row of a statement.
    QVariant scalar(const QString& sql) const;
    // The first row of a statement.
    QVariantList firstRow(const QString& sql) const;
    // The first field of every row of a statement.
    QVariantList firstColumn(const QString& sql) const;

    QTemporaryDir folder;
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

} // namespace adotest

// Readable QString and QVariant values in failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QVariant& value, std::ostream* out) {
    *out << value.typeName() << '(' << value.toString().toStdString() << ')';
}
QT_END_NAMESPACE
