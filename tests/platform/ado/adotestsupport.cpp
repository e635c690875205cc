// Databases for the data access tests, one per test and driver.
#include "adotestsupport.h"

#include "platform/ado/driver.h"

namespace adotest {

namespace {

// The tables in the driver's own language.
QString schemaScript(const QString& driver) {
    if (driver == QLatin1String("sqlite"))
        return QStringLiteral(
            "create table LosDummyReceiptHeader (drID integer not null, drShopID integer not null default 1,"
            " drNo text collate CI, drDate DATETEXT, drCancelled integer, drCancelledRemarks text collate CI,"
            " drAmount real, primary key (drShopID, drID));"
            "create table AccountsInvoiceHeader (invoiceid integer primary key, invoicedate DATETEXT,"
            " dueperiod integer);"
            "create table dbprocedures (name TEXT PRIMARY KEY COLLATE NOCASE, body TEXT NOT NULL);");
    ADD_FAILURE() << "no schema for driver " << driver.toStdString();
    return {};
}

} // namespace

void DriverTest::SetUp() {
    ASSERT_TRUE(folder.isValid());
    connection = openConnection();
    connection->driver().executeNative(schemaScript(GetParam()));
}

ado::ConnectionPtr DriverTest::openConnection() const {
    auto opened = ado::Connection::create();
    opened->open(QStringLiteral("Driver=%1;Database=%2").arg(GetParam(), folder.filePath("test.db")));
    return opened;
}

QVariant DriverTest::scalar(const QString& sql) const {
    return firstRow(sql).value(0);
}

QVariantList DriverTest::firstRow(const QString& sql) const {
    ado::Recordset rs;
    rs.open(sql, connection);
    QVariantList row;
    if (rs.eof()) return row;
    for (int i = 0; i < rs.fieldCount(); ++i)
        row << rs.field(i);
    return row;
}

QVariantList DriverTest::firstColumn(const QString& sql) const {
    ado::Recordset rs;
    rs.open(sql, connection);
    QVariantList values;
    for (; !rs.eof(); rs.moveNext())
        values << rs.field(0);
    return values;
}

} // namespace adotest
