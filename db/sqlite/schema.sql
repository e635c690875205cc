-- Schema of the shop database for the embedded SQLite engine: tables, views, triggers and catalogue rows.
--
-- Conventions the driver relies on:
--   * dates and date-times are DATETEXT (text affinity) holding 'yyyy-MM-dd HH:mm:ss.zzz', always in full,
--     so that text order is date order and a date equal to a bound is not greater than it;
--   * texts are TEXT COLLATE CI: CI ignores letter case and trailing blanks and is registered by the driver
--     on every connection;
--   * integers and flags INTEGER, amounts and rates REAL.
-- Only key columns are NOT NULL; every other column is nullable or has a default, so any row can be written
-- naming just the columns its writer knows. The script may run again on an existing database.

------------------------------------------------------------------------------------------------------------
-- Shop receipts: one header per receipt, one detail per settled document.
------------------------------------------------------------------------------------------------------------

CREATE TABLE IF NOT EXISTS LosDummyReceiptHeader (
    drShopid INTEGER NOT NULL,
    drID INTEGER NOT NULL,
    drCompanyID INTEGER,
    drTime DATETEXT,
    drNo TEXT COLLATE CI,
    drRecadduser TEXT COLLATE CI,
    drDepartmentid INTEGER,
    drCounterID INTEGER,
    drdate DATETEXT,
    drcustomerid INTEGER,
    drbankname TEXT COLLATE CI,
    drremarks TEXT COLLATE CI,
    drchequeno TEXT COLLATE CI,
    drchequedate DATETEXT,
    dramount REAL,
    drreccurrencyid INTEGER,
    drrecamount REAL,
    drBankExchangeRate REAL,
    drExchangeRate REAL,
    drCancelled INTEGER DEFAULT 0,
    drdepexRate REAL,
    drexchangerates TEXT COLLATE CI,
    drUserID INTEGER,
    drCancelledRemarks TEXT COLLATE CI,
    drRecmodifyuser TEXT COLLATE CI,
    updatetime DATETEXT,
    -- Set by the ledger posting; a posted receipt is frozen (see the triggers below).
    drposted INTEGER DEFAULT 0,
    drpostedtime DATETEXT,
    PRIMARY KEY (drShopid, drID)
);
-- The register lists a shop's receipts after a date bound; numbering scans the receipt numbers.
CREATE INDEX IF NOT EXISTS ixReceiptHeaderDate ON LosDummyReceiptHeader (drShopid, drdate);
CREATE INDEX IF NOT EXISTS ixReceiptHeaderNo ON LosDummyReceiptHeader (drNo);
CREATE INDEX IF NOT EXISTS ixReceiptHeaderCustomer ON LosDummyReceiptHeader (drcustomerid);

CREATE TABLE IF NOT EXISTS LosDummyReceiptDetail (
    drdshopid INTEGER NOT NULL,
    drdid INTEGER NOT NULL,
    drdDetailid INTEGER NOT NULL,
    drdCompanyid INTEGER,
    drdinvoiceid INTEGER,
    drdserviceinvoiceid INTEGER,
    drdsplinvoiceid INTEGER,
    drdRoomBillID INTEGER,
    drdUtilityBillID INTEGER,
    drdbookserinvoiceid INTEGER,
    drdfineid INTEGER,
    drdfandbInvoiceID INTEGER,
    drdaccinvoiceid INTEGER,
    drddcnid INTEGER,
    drdinvoiceamount REAL,
    drdsettledamount REAL,
    PRIMARY KEY (drdshopid, drdid, drdDetailid)
);
-- What receipts already settled is summed per document through its kind column; at most one kind column of
-- a row is set, so partial indexes stay small.
CREATE INDEX IF NOT EXISTS ixReceiptDetailInvoice ON LosDummyReceiptDetail (drdinvoiceid, drdshopid)
    WHERE drdinvoiceid IS NOT NULL;
CREATE INDEX IF NOT EXISTS ixReceiptDetailService ON LosDummyReceiptDetail (drdserviceinvoiceid, drdshopid)
    WHERE drdserviceinvoiceid IS NOT NULL;
CREATE INDEX IF NOT EXISTS ixReceiptDetailSpecial ON LosDummyReceiptDetail (drdsplinvoiceid, drdshopid)
    WHERE drdsplinvoiceid IS NOT NULL;
CREATE INDEX IF NOT EXISTS ixReceiptDetailRoomBill ON LosDummyReceiptDetail (drdRoomBillID, drdshopid)
    WHERE drdRoomBillID IS NOT NULL;
CREATE INDEX IF NOT EXISTS ixReceiptDetailUtilityBill ON LosDummyReceiptDetail (drdUtilityBillID, drdshopid)
    WHERE drdUtilityBillID IS NOT NULL;
CREATE INDEX IF NOT EXISTS ixReceiptDetailBookService
    ON LosDummyReceiptDetail (drdbookserinvoiceid, drdshopid)
    WHERE drdbookserinvoiceid IS NOT NULL;
CREATE INDEX IF NOT EXISTS ixReceiptDetailFine ON LosDummyReceiptDetail (drdfineid, drdshopid)
    WHERE drdfineid IS NOT NULL;
CREATE INDEX IF NOT EXISTS ixReceiptDetailFandB ON LosDummyReceiptDetail (drdfandbInvoiceID, drdshopid)
    WHERE drdfandbInvoiceID IS NOT NULL;
CREATE INDEX IF NOT EXISTS ixReceiptDetailOpening ON LosDummyReceiptDetail (drdaccinvoiceid, drdshopid)
    WHERE drdaccinvoiceid IS NOT NULL;
CREATE INDEX IF NOT EXISTS ixReceiptDetailNote ON LosDummyReceiptDetail (drddcnid, drdshopid)
    WHERE drddcnid IS NOT NULL;

------------------------------------------------------------------------------------------------------------
-- Companies, departments, currencies and exchange rates.
------------------------------------------------------------------------------------------------------------

CREATE TABLE IF NOT EXISTS acompanymaster (
    companyID INTEGER PRIMARY KEY,
    name TEXT COLLATE CI,
    shortname TEXT COLLATE CI,
    Address1 TEXT COLLATE CI,
    Address2 TEXT COLLATE CI,
    Address3 TEXT COLLATE CI,
    CurrencyID INTEGER
);

CREATE TABLE IF NOT EXISTS adepartmentMaster (
    DepartmentID INTEGER PRIMARY KEY,
    CompanyID INTEGER,
    departmentname TEXT COLLATE CI,
    depcurrencyid INTEGER
);
CREATE INDEX IF NOT EXISTS ixDepartmentCompany ON adepartmentMaster (CompanyID);

CREATE TABLE IF NOT EXISTS acurrencymaster (
    currencyid INTEGER PRIMARY KEY,
    currencyname TEXT COLLATE CI,
    symbol TEXT COLLATE CI,
    -- The company whose rate sheet prices the currency when it is looked up by itself.
    companyid INTEGER,
    decimalname TEXT COLLATE CI
);

-- One rate sheet per row; its selling rates per currency in ExchangeRateDetail. A rate is the number of
-- units of the currency for one unit of the sheet's base: conversion factors are quotients of two rates.
CREATE TABLE IF NOT EXISTS ExchangeRate (
    ExchangeID INTEGER PRIMARY KEY,
    CompanyID INTEGER,
    ratedate DATETEXT,
    description TEXT COLLATE CI
);
CREATE INDEX IF NOT EXISTS ixExchangeRateCompany ON ExchangeRate (CompanyID);

CREATE TABLE IF NOT EXISTS ExchangeRateDetail (
    CompanyID INTEGER NOT NULL,
    ExchangeID INTEGER NOT NULL,
    CurrencyID INTEGER NOT NULL,
    SellingRate REAL,
    BuyingRate REAL,
    PRIMARY KEY (CompanyID, ExchangeID, CurrencyID)
);
CREATE INDEX IF NOT EXISTS ixExchangeRateDetailCurrency ON ExchangeRateDetail (CompanyID, CurrencyID);

CREATE TABLE IF NOT EXISTS aSettings (
    CompanyID INTEGER PRIMARY KEY,
    -- The currency of the company's cash group.
    CashGroupID INTEGER,
    -- Control account that posted receipts credit.
    debtorsaccountid INTEGER
);

CREATE TABLE IF NOT EXISTS aaccountmaster (
    companyid INTEGER NOT NULL,
    accountid INTEGER NOT NULL,
    accountcode TEXT COLLATE CI,
    accountname TEXT COLLATE CI,
    currencyid INTEGER,
    PRIMARY KEY (companyid, accountid)
);

CREATE TABLE IF NOT EXISTS apackagesettings (
    companyid INTEGER PRIMARY KEY,
    alias INTEGER DEFAULT 0,
    inventoryid INTEGER,
    packagename TEXT COLLATE CI
);

CREATE TABLE IF NOT EXISTS aalias (
    aliasid INTEGER PRIMARY KEY,
    Alias TEXT COLLATE CI
);

CREATE TABLE IF NOT EXISTS avendorMaster (
    vendorID INTEGER PRIMARY KEY,
    companyid INTEGER,
    vendorname TEXT COLLATE CI,
    CurrencyID INTEGER
);

------------------------------------------------------------------------------------------------------------
-- Customers, shops, counters, users and shop settings.
------------------------------------------------------------------------------------------------------------

CREATE TABLE IF NOT EXISTS acustomermaster (
    customerid INTEGER PRIMARY KEY,
    CompanyID INTEGER,
    customercode TEXT COLLATE CI,
    customername TEXT COLLATE CI,
    CurrencyID INTEGER,
    Active INTEGER DEFAULT 1,
    address TEXT COLLATE CI,
    telephoneno TEXT COLLATE CI
);
CREATE INDEX IF NOT EXISTS ixCustomerCompany ON acustomermaster (CompanyID);

CREATE TABLE IF NOT EXISTS ashopcustomerdetails (
    shopid INTEGER NOT NULL,
    customerid INTEGER NOT NULL,
    creditlimit REAL,
    PRIMARY KEY (shopid, customerid)
) WITHOUT ROWID;

CREATE TABLE IF NOT EXISTS ashops (
    shopid INTEGER PRIMARY KEY,
    companyid INTEGER,
    departmentid INTEGER,
    shopname TEXT COLLATE CI,
    address TEXT COLLATE CI,
    shoplocation TEXT COLLATE CI,
    telephoneno TEXT COLLATE CI,
    faxno TEXT COLLATE CI,
    CounterLogin INTEGER DEFAULT 0,
    -- Days back within which a receipt may still be cancelled.
    futureint INTEGER DEFAULT 0,
    -- Feature letters; a lower-case b: the shop works with a bank exchange rate.
    miscsettings13 TEXT,
    -- Cash account that posted receipts debit.
    cashaccountid INTEGER
);

CREATE TABLE IF NOT EXISTS aCounterMaster (
    CounterId INTEGER PRIMARY KEY,
    CounterName TEXT COLLATE CI,
    shopid INTEGER
);

CREATE TABLE IF NOT EXISTS aPrefix (
    InterfaceID INTEGER NOT NULL,
    shopid INTEGER NOT NULL,
    financialid INTEGER NOT NULL,
    Prefix TEXT COLLATE CI,
    PRIMARY KEY (InterfaceID, shopid, financialid)
) WITHOUT ROWID;

CREATE TABLE IF NOT EXISTS LOusers (
    userid INTEGER NOT NULL,
    shopid INTEGER NOT NULL,
    username TEXT COLLATE CI,
    fullname TEXT COLLATE CI,
    PRIMARY KEY (userid, shopid)
) WITHOUT ROWID;

CREATE TABLE IF NOT EXISTS louserrights (
    userid INTEGER NOT NULL,
    interfaceid INTEGER NOT NULL,
    -- One letter per command: N new, E edit, D delete, U post ledgers, P print.
    FunctionRights TEXT COLLATE CI,
    PRIMARY KEY (userid, interfaceid)
) WITHOUT ROWID;

CREATE TABLE IF NOT EXISTS LOsSettings (
    shopid INTEGER PRIMARY KEY,
    sNoofBackDays INTEGER
);

-- Each closing of a shop day; the shop's last closing bounds what the register lists.
CREATE TABLE IF NOT EXISTS losdayclose (
    shopid INTEGER NOT NULL,
    closedate DATETEXT NOT NULL,
    closedby INTEGER,
    closedtime DATETEXT,
    PRIMARY KEY (shopid, closedate)
) WITHOUT ROWID;

-- The last closing per shop, kept as a plain column reference so that readers see a date-typed column.
CREATE VIEW IF NOT EXISTS vwshopCloseDate AS
SELECT c.shopid AS shopid, c.closedate AS closedate
  FROM losdayclose c
 WHERE NOT EXISTS (SELECT 1 FROM losdayclose l WHERE l.shopid = c.shopid AND l.closedate > c.closedate);

------------------------------------------------------------------------------------------------------------
-- The shop's documents of every kind a receipt can settle. Every kind has its shop, id, number, date,
-- customer, company, amount and a cancelled flag.
------------------------------------------------------------------------------------------------------------

-- Sales invoices (ihtype 'I') and sales returns (ihtype 'R') share one id sequence per shop.
CREATE TABLE IF NOT EXISTS losinvoiceheader (
    ihshopid INTEGER NOT NULL,
    ihinvoiceid INTEGER NOT NULL,
    ihcompanyid INTEGER,
    ihtype TEXT COLLATE CI DEFAULT 'I',
    ihinvoiceno TEXT COLLATE CI,
    ihinvoicedate DATETEXT,
    ihcustomerid INTEGER,
    ihcurrencyid INTEGER,
    ihnetamount REAL DEFAULT 0,
    ihexchangerates TEXT COLLATE CI,
    ihRemarks TEXT COLLATE CI,
    ihcancelled INTEGER DEFAULT 0,
    PRIMARY KEY (ihshopid, ihinvoiceid)
);
CREATE INDEX IF NOT EXISTS ixInvoiceCustomer ON losinvoiceheader (ihshopid, ihcustomerid);

CREATE TABLE IF NOT EXISTS losaccountsinvoiceheader (
    aishopid INTEGER NOT NULL,
    aiinvoiceid INTEGER NOT NULL,
    aicompanyid INTEGER,
    aiinvoiceno TEXT COLLATE CI,
    aiinvoicedate DATETEXT,
    aicustomerid INTEGER,
    ainetamount REAL DEFAULT 0,
    airemarks TEXT COLLATE CI,
    aicancelled INTEGER DEFAULT 0,
    PRIMARY KEY (aishopid, aiinvoiceid)
);
CREATE INDEX IF NOT EXISTS ixServiceInvoiceCustomer ON losaccountsinvoiceheader (aishopid, aicustomerid);

CREATE TABLE IF NOT EXISTS losspecialinvoiceheader (
    ihshopid INTEGER NOT NULL,
    ihinvoiceid INTEGER NOT NULL,
    ihcompanyid INTEGER,
    ihinvoiceno TEXT COLLATE CI,
    ihinvoicedate DATETEXT,
    ihcustomerid INTEGER,
    ihnetamount REAL DEFAULT 0,
    ihRemarks TEXT COLLATE CI,
    ihcancelled INTEGER DEFAULT 0,
    PRIMARY KEY (ihshopid, ihinvoiceid)
);
CREATE INDEX IF NOT EXISTS ixSpecialInvoiceCustomer ON losspecialinvoiceheader (ihshopid, ihcustomerid);

CREATE TABLE IF NOT EXISTS losApartmentBillHeader (
    abhshopid INTEGER NOT NULL,
    abhBillID INTEGER NOT NULL,
    abhcompanyid INTEGER,
    abhBillNo TEXT COLLATE CI,
    abhBillDate DATETEXT,
    abhcustomerid INTEGER,
    abhApartmentNo TEXT COLLATE CI,
    abhnetamount REAL DEFAULT 0,
    abhcancelled INTEGER DEFAULT 0,
    PRIMARY KEY (abhshopid, abhBillID)
);
CREATE INDEX IF NOT EXISTS ixRoomBillCustomer ON losApartmentBillHeader (abhshopid, abhcustomerid);

CREATE TABLE IF NOT EXISTS losTenantServiceBillHeader (
    tbhshopid INTEGER NOT NULL,
    tbhBillID INTEGER NOT NULL,
    tbhcompanyid INTEGER,
    tbhBillNo TEXT COLLATE CI,
    tbhBillDate DATETEXT,
    tbhcustomerid INTEGER,
    tbhnetamount REAL DEFAULT 0,
    tbhcancelled INTEGER DEFAULT 0,
    PRIMARY KEY (tbhshopid, tbhBillID)
);
CREATE INDEX IF NOT EXISTS ixUtilityBillCustomer ON losTenantServiceBillHeader (tbhshopid, tbhcustomerid);

CREATE TABLE IF NOT EXISTS losserviceinvheader (
    serinvhshopid INTEGER NOT NULL,
    serinvhid INTEGER NOT NULL,
    serinvhcompanyid INTEGER,
    serinvno TEXT COLLATE CI,
    serinvhdate DATETEXT,
    serinvhcustomerid INTEGER,
    serinvhnetamount REAL DEFAULT 0,
    serinvhcancelled INTEGER DEFAULT 0,
    PRIMARY KEY (serinvhshopid, serinvhid)
);
CREATE INDEX IF NOT EXISTS ixBookServiceCustomer ON losserviceinvheader (serinvhshopid, serinvhcustomerid);

CREATE TABLE IF NOT EXISTS afineheader (
    fhshopid INTEGER NOT NULL,
    fhfineid INTEGER NOT NULL,
    fhcompanyid INTEGER,
    fhfineno TEXT COLLATE CI,
    fhfinedate DATETEXT,
    fhcustomerid INTEGER,
    fhamount REAL DEFAULT 0,
    fhreason TEXT COLLATE CI,
    fhcancelled INTEGER DEFAULT 0,
    PRIMARY KEY (fhshopid, fhfineid)
);
CREATE INDEX IF NOT EXISTS ixFineCustomer ON afineheader (fhshopid, fhcustomerid);

CREATE TABLE IF NOT EXISTS losPosFandBHeader (
    poshShopID INTEGER NOT NULL,
    poshBillID INTEGER NOT NULL,
    poshCompanyID INTEGER,
    poshBillNo TEXT COLLATE CI,
    poshBillDate DATETEXT,
    poshCustomerID INTEGER,
    poshNetAmount REAL DEFAULT 0,
    poshCancelled INTEGER DEFAULT 0,
    PRIMARY KEY (poshShopID, poshBillID)
);
CREATE INDEX IF NOT EXISTS ixFandBCustomer ON losPosFandBHeader (poshShopID, poshCustomerID);

-- Debit and credit notes of the shop and of head office, typed by their own code ('SDEBIT', 'HDEBIT', ...).
CREATE TABLE IF NOT EXISTS losdebitcreditnote (
    dcnshopid INTEGER NOT NULL,
    dcnid INTEGER NOT NULL,
    dcncompanyid INTEGER,
    dcntype TEXT COLLATE CI,
    dcnno TEXT COLLATE CI,
    dcndate DATETEXT,
    dcncustomerid INTEGER,
    dcnamount REAL DEFAULT 0,
    dcnremarks TEXT COLLATE CI,
    dcncancelled INTEGER DEFAULT 0,
    PRIMARY KEY (dcnshopid, dcnid)
);
CREATE INDEX IF NOT EXISTS ixNoteCustomer ON losdebitcreditnote (dcnshopid, dcncustomerid);

------------------------------------------------------------------------------------------------------------
-- Head-office accounts: opening invoices with their service lines, receipt vouchers and customer
-- settlements. Vouchers and settlements name the document they pay in the column of its kind.
------------------------------------------------------------------------------------------------------------

-- FinancialID 0 marks an opening invoice.
CREATE TABLE IF NOT EXISTS AccountsInvoiceHeader (
    companyid INTEGER NOT NULL,
    invoiceid INTEGER NOT NULL,
    invoiceno TEXT COLLATE CI,
    invoicedate DATETEXT,
    customerid INTEGER,
    departmentid INTEGER,
    FinancialID INTEGER,
    currencyid INTEGER,
    discount REAL,
    dueperiod INTEGER,
    product TEXT COLLATE CI,
    Referenceno TEXT COLLATE CI,
    cancelled INTEGER DEFAULT 0,
    proforma INTEGER DEFAULT 0,
    cashinvoice INTEGER DEFAULT 0,
    PRIMARY KEY (companyid, invoiceid)
);
CREATE INDEX IF NOT EXISTS ixAccountsInvoiceCustomer
    ON AccountsInvoiceHeader (companyid, customerid, departmentid);

CREATE TABLE IF NOT EXISTS serviceinvoicedetails (
    companyid INTEGER NOT NULL,
    invoiceid INTEGER NOT NULL,
    serviceline INTEGER NOT NULL,
    servicename TEXT COLLATE CI,
    serviceqty REAL,
    amount REAL,
    PRIMARY KEY (companyid, invoiceid, serviceline)
);

-- A voucher that took over a shop receipt names it in dummyreceiptid (0: none).
CREATE TABLE IF NOT EXISTS receiptvoucherheader (
    companyid INTEGER NOT NULL,
    receiptid INTEGER NOT NULL,
    receiptno TEXT COLLATE CI,
    receiptdate DATETEXT,
    CustomerID INTEGER,
    currencyid INTEGER,
    amount REAL,
    dummyreceiptid INTEGER DEFAULT 0,
    remarks TEXT COLLATE CI,
    cancelled INTEGER DEFAULT 0,
    PRIMARY KEY (companyid, receiptid)
);
CREATE INDEX IF NOT EXISTS ixVoucherDummyReceipt ON receiptvoucherheader (dummyreceiptid);

CREATE TABLE IF NOT EXISTS receiptvoucherdetails (
    companyid INTEGER NOT NULL,
    receiptid INTEGER NOT NULL,
    voucherline INTEGER NOT NULL,
    shopid INTEGER,
    amountreceived REAL DEFAULT 0,
    hqaccountsinvoiceid INTEGER,
    posaccountsInvoiceID INTEGER,
    posinvoiceid INTEGER,
    posspinvoiceid INTEGER,
    Posserviceinvoiceid INTEGER,
    dcnid INTEGER,
    phpaymentid INTEGER,
    losdcnid INTEGER,
    posexportid INTEGER,
    RoomBillID INTEGER,
    UtilityBillID INTEGER,
    fineid INTEGER,
    AccInvoiceID INTEGER,
    fandbInvoiceID INTEGER,
    PRIMARY KEY (companyid, receiptid, voucherline)
);
CREATE INDEX IF NOT EXISTS ixVoucherOpening ON receiptvoucherdetails (hqaccountsinvoiceid)
    WHERE hqaccountsinvoiceid IS NOT NULL;
CREATE INDEX IF NOT EXISTS ixVoucherInvoice ON receiptvoucherdetails (posinvoiceid, shopid)
    WHERE posinvoiceid IS NOT NULL;
CREATE INDEX IF NOT EXISTS ixVoucherSpecial ON receiptvoucherdetails (posspinvoiceid, shopid)
    WHERE posspinvoiceid IS NOT NULL;
CREATE INDEX IF NOT EXISTS ixVoucherService ON receiptvoucherdetails (Posserviceinvoiceid, shopid)
    WHERE Posserviceinvoiceid IS NOT NULL;
CREATE INDEX IF NOT EXISTS ixVoucherRoomBill ON receiptvoucherdetails (RoomBillID, shopid)
    WHERE RoomBillID IS NOT NULL;
CREATE INDEX IF NOT EXISTS ixVoucherUtilityBill ON receiptvoucherdetails (UtilityBillID, shopid)
    WHERE UtilityBillID IS NOT NULL;
CREATE INDEX IF NOT EXISTS ixVoucherFine ON receiptvoucherdetails (fineid, shopid)
    WHERE fineid IS NOT NULL;
CREATE INDEX IF NOT EXISTS ixVoucherFandB ON receiptvoucherdetails (fandbInvoiceID, shopid)
    WHERE fandbInvoiceID IS NOT NULL;
CREATE INDEX IF NOT EXISTS ixVoucherNote ON receiptvoucherdetails (losdcnid, shopid)
    WHERE losdcnid IS NOT NULL;

CREATE TABLE IF NOT EXISTS customersettlementheader (
    CompanyID INTEGER NOT NULL,
    CSID INTEGER NOT NULL,
    csno TEXT COLLATE CI,
    csdate DATETEXT,
    customerid INTEGER,
    remarks TEXT COLLATE CI,
    cancelled INTEGER DEFAULT 0,
    PRIMARY KEY (CompanyID, CSID)
);

CREATE TABLE IF NOT EXISTS customersettlementdetail (
    CompanyID INTEGER NOT NULL,
    CSID INTEGER NOT NULL,
    settlementline INTEGER NOT NULL,
    shopid INTEGER,
    settlementamount REAL DEFAULT 0,
    ACCinvoiceid INTEGER,
    posinvoiceid INTEGER,
    posspinvoiceid INTEGER,
    Posserviceinvoiceid INTEGER,
    RoomBillID INTEGER,
    UtilityBillID INTEGER,
    fineid INTEGER,
    fandbInvoiceID INTEGER,
    losdcnid INTEGER,
    PRIMARY KEY (CompanyID, CSID, settlementline)
);
CREATE INDEX IF NOT EXISTS ixSettlementOpening ON customersettlementdetail (ACCinvoiceid)
    WHERE ACCinvoiceid IS NOT NULL;
CREATE INDEX IF NOT EXISTS ixSettlementInvoice ON customersettlementdetail (posinvoiceid, shopid)
    WHERE posinvoiceid IS NOT NULL;
CREATE INDEX IF NOT EXISTS ixSettlementSpecial ON customersettlementdetail (posspinvoiceid, shopid)
    WHERE posspinvoiceid IS NOT NULL;
CREATE INDEX IF NOT EXISTS ixSettlementService ON customersettlementdetail (Posserviceinvoiceid, shopid)
    WHERE Posserviceinvoiceid IS NOT NULL;
CREATE INDEX IF NOT EXISTS ixSettlementRoomBill ON customersettlementdetail (RoomBillID, shopid)
    WHERE RoomBillID IS NOT NULL;
CREATE INDEX IF NOT EXISTS ixSettlementUtilityBill ON customersettlementdetail (UtilityBillID, shopid)
    WHERE UtilityBillID IS NOT NULL;
CREATE INDEX IF NOT EXISTS ixSettlementFine ON customersettlementdetail (fineid, shopid)
    WHERE fineid IS NOT NULL;
CREATE INDEX IF NOT EXISTS ixSettlementFandB ON customersettlementdetail (fandbInvoiceID, shopid)
    WHERE fandbInvoiceID IS NOT NULL;
CREATE INDEX IF NOT EXISTS ixSettlementNote ON customersettlementdetail (losdcnid, shopid)
    WHERE losdcnid IS NOT NULL;

------------------------------------------------------------------------------------------------------------
-- Every live document of every shop with what head office already took of it:
--   invoiceId, invoiceno, invoicedate  the document;
--   invoiceamt                         its amount;
--   settled                            the non-cancelled head-office receipt vouchers and customer
--                                      settlements that name it (same company and shop); shop receipts
--                                      are not included, their readers subtract them;
--   shopid, companyid, CUstomerId      whose document it is;
--   type                               the kind code: PCI sales invoice, RE sales return, PSI service
--                                      invoice, PDI special invoice, RBI room bill, UTB utility bill,
--                                      SBI book-service invoice, FINE fine, fandb food-and-beverage bill,
--                                      and a note's own code.
-- Each arm reads one source table through its (shop, customer) index once the reader's filter is pushed in.
------------------------------------------------------------------------------------------------------------

CREATE VIEW IF NOT EXISTS vwTotalInvoiceReceiptAmount AS
SELECT d.ihinvoiceid AS invoiceId, d.ihinvoiceno AS invoiceno, d.ihinvoicedate AS invoicedate,
       d.ihnetamount AS invoiceamt,
       (SELECT ifnull(sum(v.amountreceived), 0) FROM receiptvoucherdetails v
          JOIN receiptvoucherheader vh ON vh.companyid = v.companyid AND vh.receiptid = v.receiptid
         WHERE vh.cancelled = 0 AND v.posinvoiceid = d.ihinvoiceid AND v.shopid = d.ihshopid
           AND v.companyid = d.ihcompanyid)
     + (SELECT ifnull(sum(s.settlementamount), 0) FROM customersettlementdetail s
          JOIN customersettlementheader sh ON sh.CompanyID = s.CompanyID AND sh.CSID = s.CSID
         WHERE sh.cancelled = 0 AND s.posinvoiceid = d.ihinvoiceid AND s.shopid = d.ihshopid
           AND s.CompanyID = d.ihcompanyid) AS settled,
       d.ihshopid AS shopid, d.ihcompanyid AS companyid, d.ihcustomerid AS CUstomerId,
       CASE d.ihtype WHEN 'R' THEN 'RE' ELSE 'PCI' END AS type
  FROM losinvoiceheader d
 WHERE d.ihtype IN ('I', 'R') AND d.ihcancelled = 0
UNION ALL
SELECT d.aiinvoiceid, d.aiinvoiceno, d.aiinvoicedate, d.ainetamount,
       (SELECT ifnull(sum(v.amountreceived), 0) FROM receiptvoucherdetails v
          JOIN receiptvoucherheader vh ON vh.companyid = v.companyid AND vh.receiptid = v.receiptid
         WHERE vh.cancelled = 0 AND v.Posserviceinvoiceid = d.aiinvoiceid AND v.shopid = d.aishopid
           AND v.companyid = d.aicompanyid)
     + (SELECT ifnull(sum(s.settlementamount), 0) FROM customersettlementdetail s
          JOIN customersettlementheader sh ON sh.CompanyID = s.CompanyID AND sh.CSID = s.CSID
         WHERE sh.cancelled = 0 AND s.Posserviceinvoiceid = d.aiinvoiceid AND s.shopid = d.aishopid
           AND s.CompanyID = d.aicompanyid),
       d.aishopid, d.aicompanyid, d.aicustomerid, 'PSI'
  FROM losaccountsinvoiceheader d
 WHERE d.aicancelled = 0
UNION ALL
SELECT d.ihinvoiceid, d.ihinvoiceno, d.ihinvoicedate, d.ihnetamount,
       (SELECT ifnull(sum(v.amountreceived), 0) FROM receiptvoucherdetails v
          JOIN receiptvoucherheader vh ON vh.companyid = v.companyid AND vh.receiptid = v.receiptid
         WHERE vh.cancelled = 0 AND v.posspinvoiceid = d.ihinvoiceid AND v.shopid = d.ihshopid
           AND v.companyid = d.ihcompanyid)
     + (SELECT ifnull(sum(s.settlementamount), 0) FROM customersettlementdetail s
          JOIN customersettlementheader sh ON sh.CompanyID = s.CompanyID AND sh.CSID = s.CSID
         WHERE sh.cancelled = 0 AND s.posspinvoiceid = d.ihinvoiceid AND s.shopid = d.ihshopid
           AND s.CompanyID = d.ihcompanyid),
       d.ihshopid, d.ihcompanyid, d.ihcustomerid, 'PDI'
  FROM losspecialinvoiceheader d
 WHERE d.ihcancelled = 0
UNION ALL
SELECT d.abhBillID, d.abhBillNo, d.abhBillDate, d.abhnetamount,
       (SELECT ifnull(sum(v.amountreceived), 0) FROM receiptvoucherdetails v
          JOIN receiptvoucherheader vh ON vh.companyid = v.companyid AND vh.receiptid = v.receiptid
         WHERE vh.cancelled = 0 AND v.RoomBillID = d.abhBillID AND v.shopid = d.abhshopid
           AND v.companyid = d.abhcompanyid)
     + (SELECT ifnull(sum(s.settlementamount), 0) FROM customersettlementdetail s
          JOIN customersettlementheader sh ON sh.CompanyID = s.CompanyID AND sh.CSID = s.CSID
         WHERE sh.cancelled = 0 AND s.RoomBillID = d.abhBillID AND s.shopid = d.abhshopid
           AND s.CompanyID = d.abhcompanyid),
       d.abhshopid, d.abhcompanyid, d.abhcustomerid, 'RBI'
  FROM losApartmentBillHeader d
 WHERE d.abhcancelled = 0
UNION ALL
SELECT d.tbhBillID, d.tbhBillNo, d.tbhBillDate, d.tbhnetamount,
       (SELECT ifnull(sum(v.amountreceived), 0) FROM receiptvoucherdetails v
          JOIN receiptvoucherheader vh ON vh.companyid = v.companyid AND vh.receiptid = v.receiptid
         WHERE vh.cancelled = 0 AND v.UtilityBillID = d.tbhBillID AND v.shopid = d.tbhshopid
           AND v.companyid = d.tbhcompanyid)
     + (SELECT ifnull(sum(s.settlementamount), 0) FROM customersettlementdetail s
          JOIN customersettlementheader sh ON sh.CompanyID = s.CompanyID AND sh.CSID = s.CSID
         WHERE sh.cancelled = 0 AND s.UtilityBillID = d.tbhBillID AND s.shopid = d.tbhshopid
           AND s.CompanyID = d.tbhcompanyid),
       d.tbhshopid, d.tbhcompanyid, d.tbhcustomerid, 'UTB'
  FROM losTenantServiceBillHeader d
 WHERE d.tbhcancelled = 0
UNION ALL
SELECT d.serinvhid, d.serinvno, d.serinvhdate, d.serinvhnetamount,
       (SELECT ifnull(sum(v.amountreceived), 0) FROM receiptvoucherdetails v
          JOIN receiptvoucherheader vh ON vh.companyid = v.companyid AND vh.receiptid = v.receiptid
         WHERE vh.cancelled = 0 AND v.Posserviceinvoiceid = d.serinvhid AND v.shopid = d.serinvhshopid
           AND v.companyid = d.serinvhcompanyid)
     + (SELECT ifnull(sum(s.settlementamount), 0) FROM customersettlementdetail s
          JOIN customersettlementheader sh ON sh.CompanyID = s.CompanyID AND sh.CSID = s.CSID
         WHERE sh.cancelled = 0 AND s.Posserviceinvoiceid = d.serinvhid AND s.shopid = d.serinvhshopid
           AND s.CompanyID = d.serinvhcompanyid),
       d.serinvhshopid, d.serinvhcompanyid, d.serinvhcustomerid, 'SBI'
  FROM losserviceinvheader d
 WHERE d.serinvhcancelled = 0
UNION ALL
SELECT d.fhfineid, d.fhfineno, d.fhfinedate, d.fhamount,
       (SELECT ifnull(sum(v.amountreceived), 0) FROM receiptvoucherdetails v
          JOIN receiptvoucherheader vh ON vh.companyid = v.companyid AND vh.receiptid = v.receiptid
         WHERE vh.cancelled = 0 AND v.fineid = d.fhfineid AND v.shopid = d.fhshopid
           AND v.companyid = d.fhcompanyid)
     + (SELECT ifnull(sum(s.settlementamount), 0) FROM customersettlementdetail s
          JOIN customersettlementheader sh ON sh.CompanyID = s.CompanyID AND sh.CSID = s.CSID
         WHERE sh.cancelled = 0 AND s.fineid = d.fhfineid AND s.shopid = d.fhshopid
           AND s.CompanyID = d.fhcompanyid),
       d.fhshopid, d.fhcompanyid, d.fhcustomerid, 'FINE'
  FROM afineheader d
 WHERE d.fhcancelled = 0
UNION ALL
SELECT d.poshBillID, d.poshBillNo, d.poshBillDate, d.poshNetAmount,
       (SELECT ifnull(sum(v.amountreceived), 0) FROM receiptvoucherdetails v
          JOIN receiptvoucherheader vh ON vh.companyid = v.companyid AND vh.receiptid = v.receiptid
         WHERE vh.cancelled = 0 AND v.fandbInvoiceID = d.poshBillID AND v.shopid = d.poshShopID
           AND v.companyid = d.poshCompanyID)
     + (SELECT ifnull(sum(s.settlementamount), 0) FROM customersettlementdetail s
          JOIN customersettlementheader sh ON sh.CompanyID = s.CompanyID AND sh.CSID = s.CSID
         WHERE sh.cancelled = 0 AND s.fandbInvoiceID = d.poshBillID AND s.shopid = d.poshShopID
           AND s.CompanyID = d.poshCompanyID),
       d.poshShopID, d.poshCompanyID, d.poshCustomerID, 'fandb'
  FROM losPosFandBHeader d
 WHERE d.poshCancelled = 0
UNION ALL
SELECT d.dcnid, d.dcnno, d.dcndate, d.dcnamount,
       (SELECT ifnull(sum(v.amountreceived), 0) FROM receiptvoucherdetails v
          JOIN receiptvoucherheader vh ON vh.companyid = v.companyid AND vh.receiptid = v.receiptid
         WHERE vh.cancelled = 0 AND v.losdcnid = d.dcnid AND v.shopid = d.dcnshopid
           AND v.companyid = d.dcncompanyid)
     + (SELECT ifnull(sum(s.settlementamount), 0) FROM customersettlementdetail s
          JOIN customersettlementheader sh ON sh.CompanyID = s.CompanyID AND sh.CSID = s.CSID
         WHERE sh.cancelled = 0 AND s.losdcnid = d.dcnid AND s.shopid = d.dcnshopid
           AND s.CompanyID = d.dcncompanyid),
       d.dcnshopid, d.dcncompanyid, d.dcncustomerid, d.dcntype
  FROM losdebitcreditnote d
 WHERE d.dcncancelled = 0;

------------------------------------------------------------------------------------------------------------
-- Ledger posting. Posting a receipt is setting its drposted flag: a trigger then writes its two ledger
-- lines (the shop's cash account debited, the company's debtors account credited for the customer, both
-- in the company currency), and from then on the receipt and its details are frozen.
------------------------------------------------------------------------------------------------------------

CREATE TABLE IF NOT EXISTS aGeneralLedger (
    glid INTEGER PRIMARY KEY AUTOINCREMENT,
    companyid INTEGER,
    shopid INTEGER,
    accountid INTEGER,
    customerid INTEGER,
    documenttype TEXT COLLATE CI,
    documentid INTEGER,
    documentno TEXT COLLATE CI,
    documentdate DATETEXT,
    postingtime DATETEXT,
    currencyid INTEGER,
    currencyamount REAL,
    debit REAL DEFAULT 0,
    credit REAL DEFAULT 0,
    narration TEXT COLLATE CI
);
CREATE INDEX IF NOT EXISTS ixLedgerDocument ON aGeneralLedger (companyid, documenttype, shopid, documentid);
CREATE INDEX IF NOT EXISTS ixLedgerAccount ON aGeneralLedger (companyid, accountid, documentdate);

-- The ledger lines of every receipt, posted or not.
CREATE VIEW IF NOT EXISTS vwReceiptLedgerLines AS
SELECT h.drCompanyID AS companyid, h.drShopid AS shopid, h.drID AS drid, s.cashaccountid AS accountid,
       NULL AS customerid, h.drNo AS documentno, h.drdate AS documentdate, h.drreccurrencyid AS currencyid,
       h.dramount AS currencyamount, round(h.dramount * ifnull(h.drExchangeRate, 1), 2) AS debit, 0 AS credit,
       'Receipt ' || ifnull(h.drNo, '') || ' ' || ifnull(h.drremarks, '') AS narration
  FROM LosDummyReceiptHeader h LEFT JOIN ashops s ON s.shopid = h.drShopid
UNION ALL
SELECT h.drCompanyID, h.drShopid, h.drID, a.debtorsaccountid, h.drcustomerid, h.drNo, h.drdate,
       h.drreccurrencyid, h.dramount, 0, round(h.dramount * ifnull(h.drExchangeRate, 1), 2),
       'Receipt ' || ifnull(h.drNo, '') || ' ' || ifnull(h.drremarks, '')
  FROM LosDummyReceiptHeader h LEFT JOIN aSettings a ON a.CompanyID = h.drCompanyID;

-- The receivable side per customer.
CREATE VIEW IF NOT EXISTS vwCustomerLedger AS
SELECT companyid, shopid, customerid, documenttype, documentid, documentno, documentdate, postingtime,
       currencyid, currencyamount, debit, credit, narration
  FROM aGeneralLedger
 WHERE customerid IS NOT NULL;

CREATE TRIGGER IF NOT EXISTS trgReceiptPostLedger
AFTER UPDATE OF drposted ON LosDummyReceiptHeader
FOR EACH ROW WHEN ifnull(OLD.drposted, 0) = 0 AND NEW.drposted = 1
BEGIN
    INSERT INTO aGeneralLedger (companyid, shopid, accountid, customerid, documenttype, documentid,
                                documentno, documentdate, postingtime, currencyid, currencyamount, debit,
                                credit, narration)
    SELECT companyid, shopid, accountid, customerid, 'RCPT', drid, documentno, documentdate,
           ifnull(NEW.drpostedtime, strftime('%Y-%m-%d %H:%M:%f', 'now', 'localtime')), currencyid,
           currencyamount, debit, credit, narration
      FROM vwReceiptLedgerLines
     WHERE shopid = NEW.drShopid AND drid = NEW.drID;
END;

CREATE TRIGGER IF NOT EXISTS trgReceiptHeaderPostedUpdate
BEFORE UPDATE ON LosDummyReceiptHeader
FOR EACH ROW WHEN OLD.drposted = 1
BEGIN
    SELECT RAISE(ABORT, 'Posted receipts cannot be changed.');
END;

CREATE TRIGGER IF NOT EXISTS trgReceiptHeaderCancelledPost
BEFORE UPDATE OF drposted ON LosDummyReceiptHeader
FOR EACH ROW WHEN NEW.drposted = 1 AND NEW.drCancelled = 1
BEGIN
    SELECT RAISE(ABORT, 'Cancelled receipts cannot be posted.');
END;

CREATE TRIGGER IF NOT EXISTS trgReceiptHeaderPostedDelete
BEFORE DELETE ON LosDummyReceiptHeader
FOR EACH ROW WHEN OLD.drposted = 1
BEGIN
    SELECT RAISE(ABORT, 'Posted receipts cannot be changed.');
END;

CREATE TRIGGER IF NOT EXISTS trgReceiptDetailPostedInsert
BEFORE INSERT ON LosDummyReceiptDetail
FOR EACH ROW WHEN EXISTS (SELECT 1 FROM LosDummyReceiptHeader
                           WHERE drShopid = NEW.drdshopid AND drID = NEW.drdid AND drposted = 1)
BEGIN
    SELECT RAISE(ABORT, 'Posted receipts cannot be changed.');
END;

CREATE TRIGGER IF NOT EXISTS trgReceiptDetailPostedUpdate
BEFORE UPDATE ON LosDummyReceiptDetail
FOR EACH ROW WHEN EXISTS (SELECT 1 FROM LosDummyReceiptHeader
                           WHERE drposted = 1 AND ((drShopid = OLD.drdshopid AND drID = OLD.drdid)
                                                   OR (drShopid = NEW.drdshopid AND drID = NEW.drdid)))
BEGIN
    SELECT RAISE(ABORT, 'Posted receipts cannot be changed.');
END;

CREATE TRIGGER IF NOT EXISTS trgReceiptDetailPostedDelete
BEFORE DELETE ON LosDummyReceiptDetail
FOR EACH ROW WHEN EXISTS (SELECT 1 FROM LosDummyReceiptHeader
                           WHERE drShopid = OLD.drdshopid AND drID = OLD.drdid AND drposted = 1)
BEGIN
    SELECT RAISE(ABORT, 'Posted receipts cannot be changed.');
END;

------------------------------------------------------------------------------------------------------------
-- Layouts: stored list-view columns and the grid columns of tables.
------------------------------------------------------------------------------------------------------------

CREATE TABLE IF NOT EXISTS alistviewheader (
    lvwid INTEGER PRIMARY KEY,
    lvwtransname TEXT COLLATE CI,
    lvwname TEXT COLLATE CI,
    lvwmodulename TEXT COLLATE CI
);
-- Readers fetch one layout by its three names.
CREATE UNIQUE INDEX IF NOT EXISTS uxListViewName ON alistviewheader (lvwtransname, lvwname, lvwmodulename);

-- lvwcolid counts from 1; lvwdcolalign 0 left, 1 right, 2 centre; widths in twips.
CREATE TABLE IF NOT EXISTS alistviewdetails (
    lvwdid INTEGER NOT NULL,
    lvwcolid INTEGER NOT NULL,
    lvwdcolwidth INTEGER,
    lvwdcolalign INTEGER DEFAULT 0,
    PRIMARY KEY (lvwdid, lvwcolid)
) WITHOUT ROWID;

CREATE TABLE IF NOT EXISTS atables (
    tableid INTEGER PRIMARY KEY,
    tablename TEXT COLLATE CI
);
CREATE UNIQUE INDEX IF NOT EXISTS uxTableName ON atables (tablename);

-- Clustered on (tableid, columnorder): a join on tableid returns a table's columns in grid order even
-- though readers ask for no order.
CREATE TABLE IF NOT EXISTS atablecolumns (
    tableid INTEGER NOT NULL,
    columnorder INTEGER NOT NULL,
    columnname TEXT COLLATE CI,
    columnheader TEXT COLLATE CI,
    PRIMARY KEY (tableid, columnorder)
) WITHOUT ROWID;

INSERT OR IGNORE INTO atables (tableid, tablename) VALUES (1, 'LosDummyReceiptHeader');
INSERT OR IGNORE INTO atablecolumns (tableid, columnorder, columnname, columnheader) VALUES
    (1, 1, 'drid', 'Receipt Id'),
    (1, 2, 'drno', 'Receipt No'),
    (1, 3, 'drdate', 'Receipt Date'),
    (1, 4, 'customername', 'Customer'),
    (1, 5, 'dramount', 'Amount'),
    (1, 6, 'drcancelled', 'Cancelled');

------------------------------------------------------------------------------------------------------------
-- State of the suite's service classes.
------------------------------------------------------------------------------------------------------------

CREATE TABLE IF NOT EXISTS aErrorLog (
    errorid INTEGER PRIMARY KEY AUTOINCREMENT,
    logtime DATETEXT,
    modulename TEXT COLLATE CI,
    username TEXT COLLATE CI,
    procedurename TEXT COLLATE CI,
    errornumber INTEGER,
    errorsource TEXT COLLATE CI,
    errordescription TEXT COLLATE CI,
    mode TEXT COLLATE CI
);

CREATE TABLE IF NOT EXISTS aUserAuditing (
    auditid INTEGER PRIMARY KEY AUTOINCREMENT,
    companyid INTEGER,
    shopid INTEGER,
    userid INTEGER,
    interfaceid INTEGER,
    openedtime DATETEXT,
    loggedtime DATETEXT,
    savedtime DATETEXT,
    documentid INTEGER,
    documentno TEXT COLLATE CI,
    mode TEXT COLLATE CI,
    details TEXT COLLATE CI
);
CREATE INDEX IF NOT EXISTS ixUserAuditingDocument ON aUserAuditing (shopid, interfaceid, documentid);

-- Colours in blue-green-red order; the form name '*' applies to every window without a row of its own.
CREATE TABLE IF NOT EXISTS aFormColor (
    formname TEXT COLLATE CI PRIMARY KEY,
    backcolor INTEGER,
    forecolor INTEGER
);

CREATE TABLE IF NOT EXISTS aGridSettings (
    userid INTEGER NOT NULL,
    companyid INTEGER NOT NULL,
    gridname TEXT COLLATE CI NOT NULL,
    colindex INTEGER NOT NULL,
    colwidth INTEGER,
    PRIMARY KEY (userid, companyid, gridname, colindex)
) WITHOUT ROWID;

------------------------------------------------------------------------------------------------------------
-- Stored procedures: the driver runs a body's statements on the caller's connection and transaction,
-- binding ?1, ?2, ... to the call's parameters in order.
------------------------------------------------------------------------------------------------------------

CREATE TABLE IF NOT EXISTS dbprocedures (
    name TEXT PRIMARY KEY COLLATE NOCASE,
    body TEXT NOT NULL
);

-- spUpdateLedgersPOSReceipts(company id, shop id): posts the shop's receipts that are neither cancelled nor
-- posted yet; the posting trigger writes their ledger lines.
INSERT OR REPLACE INTO dbprocedures (name, body) VALUES ('spUpdateLedgersPOSReceipts',
'UPDATE LosDummyReceiptHeader
    SET drposted = 1, drpostedtime = strftime(''%Y-%m-%d %H:%M:%f'', ''now'', ''localtime'')
  WHERE drCompanyID = ?1 AND drShopid = ?2 AND ifnull(drposted, 0) = 0 AND ifnull(drCancelled, 0) = 0');
