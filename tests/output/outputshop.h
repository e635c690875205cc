// What the voucher and report tests print, added to the shop of the entry-window fixture.
#pragma once

#include "support/testdatabase.h"

namespace output_testing {

// The company's three address lines, shop 1 as "Main Store" with its telephone, a shop 2, customer 3
// "Ali Hassan" in Rufiyaa. Receipt 7 of shop 1 (by cheque, 1234.50) settled a sales invoice, an opening
// invoice, a fine and a food bill; receipt 6 was an advance (its remark from head office is no
// cancellation); receipt 9 was cancelled. Sales invoice 5 also has 5 from head office and 50 from the
// cancelled receipt, which no longer counts; invoice 8 is a sales return.
inline void addOutputs(const testing_support::TestDatabase& database) {
    const char* const rows[] = {
        "update acompanymaster set Address1 = 'H. Coral Villa', Address2 = 'Majeedhee Magu', Address3 = "
        "'Male'",
        "update ashops set shopname = 'Main Store', address = 'Orchid Mg', telephoneno = '3301122'",
        "insert into ashops (shopid, companyid, shopname, address, shoplocation) values "
        "(2, 1, 'Other Store', 'Fareedhee Magu', 'Male')",
        "insert into acustomermaster (customerid, CompanyID, customercode, customername, CurrencyID, "
        "address) "
        "values (3, 1, 'C-003', 'Ali Hassan', 1, 'Orchid Magu')",
        "insert into LosDummyReceiptHeader (drshopid, drid, drcompanyid, drno, drdate, drcustomerid, "
        "drbankname, "
        "drremarks, drchequeno, drchequedate, dramount, drreccurrencyid, drrecamount, drCancelled, "
        "drCancelledRemarks) values "
        "(1, 7, 1, 'RC/0007', '2024/03/05', 3, 'BML', 'Settlement', '004512', '2024/03/05', 1234.5, 1, "
        "1234.5, "
        "0, null), "
        "(1, 6, 1, 'RC/0006', '2024/03/04', 3, 'BML', 'On account', 'CASH', '2024/03/04', 20, 1, 20, 0, "
        "'Taken over by HQ'), "
        "(1, 9, 1, 'RC/0009', '2024/03/05', 3, 'BML', 'Wrong customer', 'CASH', '2024/03/05', 50, 1, 50, 1, "
        "'Entered twice')",
        "insert into LosDummyReceiptDetail (drdshopid, drdid, drdDetailid, drdCompanyid, drdinvoiceid, "
        "drdaccinvoiceid, drdfineid, drdfandbInvoiceID, drdinvoiceamount, drdsettledamount) values "
        "(1, 7, 1, 1, 5, null, null, null, 1200, 1000), (1, 7, 2, 1, null, 40, null, null, 250, 200), "
        "(1, 7, 3, 1, null, null, 3, null, 15, 15), (1, 7, 5, 1, null, null, null, 9, 42, 19.5), "
        "(1, 9, 1, 1, 5, null, null, null, 1200, 50)",
        "insert into losinvoiceheader (ihshopid, ihinvoiceid, ihcompanyid, ihtype, ihinvoiceno, "
        "ihinvoicedate, "
        "ihcustomerid, ihcurrencyid, ihnetamount, ihRemarks) values "
        "(1, 5, 1, 'I', 'INV-5', '20240301', 3, 1, 1200, 'Spare parts'), "
        "(1, 8, 1, 'R', 'RET-8', '20240301', 3, 1, 30, null)",
        "insert into AccountsInvoiceHeader (companyid, invoiceid, invoiceno, invoicedate, customerid, "
        "departmentid, FinancialID) values (1, 40, 'OP-40', '20240105', 3, 1, 0)",
        "insert into afineheader (fhshopid, fhfineid, fhcompanyid, fhfineno, fhfinedate, fhcustomerid, "
        "fhamount) "
        "values (1, 3, 1, 'FN-3', '20240302', 3, 15)",
        "insert into losPosFandBHeader (poshShopID, poshBillID, poshCompanyID, poshBillNo, poshBillDate, "
        "poshCustomerID, poshNetAmount) values (1, 9, 1, 'FB-9', '20240303', 3, 42)",
        "insert into losaccountsinvoiceheader (aishopid, aiinvoiceid, aicompanyid, aiinvoiceno, "
        "aiinvoicedate, "
        "aicustomerid, ainetamount, airemarks) values (1, 2, 1, 'SRV-2', '20240302', 3, 20, 'Engine "
        "service')",
        "insert into losspecialinvoiceheader (ihshopid, ihinvoiceid, ihcompanyid, ihinvoiceno, "
        "ihinvoicedate, "
        "ihcustomerid, ihnetamount) values (1, 3, 1, 'SPI-3', '20240303', 3, 30)",
        "insert into receiptvoucherheader (companyid, receiptid, receiptno, CustomerID, amount, cancelled) "
        "values (1, 1, 'HQ-1', 3, 5, 0)",
        "insert into receiptvoucherdetails (companyid, receiptid, voucherline, shopid, amountreceived, "
        "posinvoiceid) values (1, 1, 1, 1, 5, 5)"};
    for (const char* sql : rows)
        database.execute(QString::fromLatin1(sql));
}

} // namespace output_testing
