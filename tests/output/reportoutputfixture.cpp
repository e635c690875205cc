// The shop the report output tests print from.
#include "reportoutputfixture.h"

#include "support/testsession.h"

#include "module/session.h"
#include "module/windows.h"
#include "platform/os/applicationfolder.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace output_testing {

namespace {

// Receipt 7 settled a sales invoice, an opening invoice, a fine and a food bill; receipt 6 was an
// advance. Invoice 5 also has 5 from head office and 50 from a cancelled receipt, which no longer
// counts. The customer's currency converts to the inventory currency at 0.5 by invoice 5's own rates.
const char* const ShopRows[] = {
    "insert into acompanymaster (companyID, name, CurrencyID) values (1, 'Island Traders', 1)",
    "insert into acurrencymaster (currencyid, currencyname, symbol, companyid) values (1, 'Rufiyaa', 'MVR', "
    "1), "
    "(2, 'US Dollar', 'USD', 1)",
    "insert into ExchangeRate (ExchangeID, CompanyID) values (1, 1)",
    "insert into ExchangeRateDetail (CompanyID, ExchangeID, CurrencyID, SellingRate) values (1, 1, 1, 15), "
    "(1, 1, 2, 1)",
    "insert into apackagesettings (companyid, alias, inventoryid) values (1, 0, 500)",
    "insert into aaccountmaster (companyid, accountid, accountname, currencyid) values (1, 500, 'Inventory', "
    "2)",
    "insert into ashops (shopid, companyid, shopname, address, shoplocation, telephoneno, faxno) values "
    "(1, 1, 'Main Shop', 'Majeedhee Magu', 'Male', '3301122', '3301123')",
    "insert into LOusers (userid, shopid, username) values (1, 1, 'ahmed'), (1, 2, 'other shop')",
    "insert into acustomermaster (customerid, CompanyID, customercode, customername, CurrencyID, address) "
    "values "
    "(1, 1, 'C-001', 'Abc Ltd', 1, 'Orchid Magu')",
    "insert into losinvoiceheader (ihshopid, ihinvoiceid, ihcompanyid, ihtype, ihinvoiceno, ihinvoicedate, "
    "ihcustomerid, ihcurrencyid, ihnetamount, ihexchangerates, ihRemarks) values "
    "(1, 5, 1, 'I', 'INV-5', '20240301', 1, 1, 120, '1:2:-2:1:', 'Spare parts'), "
    "(1, 8, 1, 'R', 'RET-8', '20240301', 1, 1, 30, '1:2:-2:1:', null)",
    "insert into losaccountsinvoiceheader (aishopid, aiinvoiceid, aicompanyid, aiinvoiceno, aiinvoicedate, "
    "aicustomerid, ainetamount, airemarks) values (1, 2, 1, 'SRV-2', '20240302', 1, 20, 'Engine service')",
    "insert into losspecialinvoiceheader (ihshopid, ihinvoiceid, ihcompanyid, ihinvoiceno, ihinvoicedate, "
    "ihcustomerid, ihnetamount) values (1, 3, 1, 'SPI-3', '20240303', 1, 30)",
    "insert into afineheader (fhshopid, fhfineid, fhcompanyid, fhfineno, fhfinedate, fhcustomerid, fhamount) "
    "values (1, 3, 1, 'FN-3', '20240302', 1, 15)",
    "insert into losPosFandBHeader (poshShopID, poshBillID, poshCompanyID, poshBillNo, poshBillDate, "
    "poshCustomerID, poshNetAmount) values (1, 9, 1, 'FB-9', '20240303', 1, 42)",
    "insert into AccountsInvoiceHeader (companyid, invoiceid, invoiceno, invoicedate, customerid, "
    "departmentid, "
    "FinancialID) values (1, 40, 'OP-40', '20240105', 1, 1, 0)",
    "insert into LosDummyReceiptHeader (drShopid, drID, drCompanyID, drNo, drdate, drcustomerid, drbankname, "
    "drremarks, drchequeno, drchequedate, dramount, drreccurrencyid, drrecamount, drCancelled, "
    "drCancelledRemarks) values "
    "(1, 6, 1, 'RC-0006', '20240308', 1, 'BML', 'On account', 'CASH', '20240308', 20, 1, 20, 0, 'Taken over "
    "by HQ'), "
    "(1, 7, 1, 'RC-0007', '20240309', 1, 'BML', 'March bills', '004512', '20240309', 177, 1, 177, 0, null), "
    "(1, 9, 1, 'RC-0009', '20240309', 1, 'BML', 'Wrong customer', 'CASH', '20240309', 50, 1, 50, 1, "
    "'Entered twice')",
    "insert into LosDummyReceiptDetail (drdshopid, drdid, drdDetailid, drdCompanyid, drdinvoiceid, "
    "drdaccinvoiceid, drdfineid, drdfandbInvoiceID, drdinvoiceamount, drdsettledamount) values "
    "(1, 7, 1, 1, 5, null, null, null, 120, 100), (1, 7, 2, 1, null, 40, null, null, 75, 20), "
    "(1, 7, 3, 1, null, null, 3, null, 15, 15), (1, 7, 5, 1, null, null, null, 9, 42, 42), "
    "(1, 9, 1, 1, 5, null, null, null, 120, 50)",
    "insert into receiptvoucherheader (companyid, receiptid, receiptno, CustomerID, amount, cancelled) "
    "values "
    "(1, 1, 'HQ-1', 1, 5, 0)",
    "insert into receiptvoucherdetails (companyid, receiptid, voucherline, shopid, amountreceived, "
    "posinvoiceid) "
    "values (1, 1, 1, 1, 5, 5)",
};

const std::pair<const char*, const char*> VoucherKeys[] = {
    {"printheadertopline", "1"},
    {"printheaderbottomline", "1"},
    {"printdetailbottomline", "1"},
    {"spaceinlinecode", "0"},
    {"printfooterineachpage", "0"},
    {"headerleftmargin", "0"},
    {"noofcopiesreceipt", "1"},
    {"Pagewidth", "40"},
    {"clength", "19"},
    {"reflength", "20"},
    {"nooflinebeforetextReceipt", "0"},
    {"linetoskipatlast", "0"},
    {"port", "voucher.prn"},
    {"linetoskipfirst", "0"},
    {"PrintCompanyName", "0"},
};

} // namespace

ReportOutputTest::ReportOutputTest() {
    os::setApplicationFolder(folder.path());
    module::windows().clear();
    for (const char* sql : ShopRows)
        database.execute(QString::fromLatin1(sql));
    master.connection = database.connection();
    testing_support::startSession(master, database.connection());
    module::session().msgboxCaption = QStringLiteral("Shop");
    os::OutputEvents::setReportRun([this](const os::ReportRun& run) { runs.push_back(run); });
    os::OutputEvents::setTextViewed([this](const QString& path) { viewed << path; });
    os::OutputEvents::setFileWritten([this](const QString& path, qint64) { written << path; });
    showReceipts({QStringLiteral("6"), QStringLiteral("7")}, 2);
}

ReportOutputTest::~ReportOutputTest() {
    os::OutputEvents::setReportRun(nullptr);
    os::OutputEvents::setTextViewed(nullptr);
    os::OutputEvents::setFileWritten(nullptr);
    module::windows().clear();
    module::session() = module::Session();
}

void ReportOutputTest::showReceipts(const QStringList& ids, int currentRow) {
    master.flexMaster.setCols(6);
    master.flexMaster.setRows(int(ids.size()) + 1);
    for (int row = 1; row <= ids.size(); ++row)
        master.flexMaster.setTextMatrix(row, 0, ids[row - 1]);
    master.flexMaster.setRow(currentRow);
}

void ReportOutputTest::writeSettings(const std::vector<std::pair<QString, QString>>& extra) const {
    std::vector<std::pair<QString, QString>> keys;
    for (const auto& [key, value] : VoucherKeys)
        keys.emplace_back(QString::fromLatin1(key), QString::fromLatin1(value));
    for (const auto& entry : extra) {
        auto same = std::find_if(keys.begin(), keys.end(),
                                 [&](const auto& kept) { return kept.first == entry.first; });
        if (same == keys.end())
            keys.push_back(entry);
        else
            same->second = entry.second;
    }
    QByteArray text;
    for (const auto& [key, value] : keys)
        text += (key + QStringLiteral(" :=") + value + QStringLiteral("\r\n")).toLatin1();
    QFile file(pathOf(QStringLiteral("shopsetting.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

QString ReportOutputTest::pathOf(const QString& name) const {
    return QDir(folder.path()).filePath(name);
}

QByteArray ReportOutputTest::contentOf(const QString& name) const {
    QFile file(pathOf(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList ReportOutputTest::errorProcedures() const {
    QStringList procedures;
    for (const suite::ErrorRecord& error : ui.errors)
        procedures << error.moduleName + QLatin1Char('.') + error.procedureName;
    return procedures;
}

} // namespace output_testing
