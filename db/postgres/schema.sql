-- Schema of the shop database for PostgreSQL 15: tables, views, triggers, the posting procedure and catalogue
-- rows, from the same definitions as the SQLite schema (db/sqlite/schema.sql).
--
-- Conventions the driver relies on:
--   * dates and date-times are timestamp(3): 'yyyymmdd', 'yyyy/mm/dd' and 'yyyy-mm-dd' literals all read as
--     the same day, and a date equal to a bound is not greater than it;
--   * texts are text COLLATE ci, an ICU collation that ignores letter case; unlike SQLite's CI it does not
--     ignore trailing blanks ('RC-12 ' <> 'RC-12');
--   * integers integer, flags smallint (never boolean: the statements compare them with 0 and 1), amounts and
--     rates numeric without a fixed scale, keeping whatever the writer computed as SQLite's REAL does;
--   * the ids SQLite numbers itself (AUTOINCREMENT) are identity columns.
-- Only key columns are NOT NULL; every other column is nullable or has a default, so any row can be written
-- naming just the columns its writer knows. The script may run again on an existing database. The dialect's
-- functions the statements call are the driver's: it installs them when it opens the database.

CREATE COLLATION IF NOT EXISTS ci (provider = icu, locale = 'und-u-ks-level2', deterministic = false);

------------------------------------------------------------------------------------------------------------
-- Shop receipts: one header per receipt, one detail per settled document.
------------------------------------------------------------------------------------------------------------

CREATE TABLE IF NOT EXISTS LosDummyReceiptHeader (
    drShopid integer NOT NULL,
    drID integer NOT NULL,
    drCompanyID integer,
    drTime timestamp(3),
    drNo text COLLATE ci,
    drRecadduser text COLLATE ci,
    drDepartmentid integer,
    drCounterID integer,
    drdate timestamp(3),
    drcustomerid integer,
    drbankname text COLLATE ci,
    drremarks text COLLATE ci,
    drchequeno text COLLATE ci,
    drchequedate timestamp(3),
    dramount numeric,
    drreccurrencyid integer,
    drrecamount numeric,
    drBankExchangeRate numeric,
    drExchangeRate numeric,
    drCancelled smallint DEFAULT 0,
    drdepexRate numeric,
    drexchangerates text COLLATE ci,
    drUserID integer,
    drCancelledRemarks text COLLATE ci,
    drRecmodifyuser text COLLATE ci,
    updatetime timestamp(3),
    -- Set by the ledger posting; a posted receipt is frozen (see the triggers below).
    drposted smallint DEFAULT 0,
    drpostedtime timestamp(3),
    PRIMARY KEY (drShopid, drID)
);
-- The register lists a shop's receipts after a date bound; numbering scans the receipt numbers.
CREATE INDEX IF NOT EXISTS ixReceiptHeaderDate ON LosDummyReceiptHeader (drShopid, drdate);
CREATE INDEX IF NOT EXISTS ixReceiptHeaderNo ON LosDummyReceiptHeader (drNo);
CREATE INDEX IF NOT EXISTS ixReceiptHeaderCustomer ON LosDummyReceiptHeader (drcustomerid);

CREATE TABLE IF NOT EXISTS LosDummyReceiptDetail (
    drdshopid integer NOT NULL,
    drdid integer NOT NULL,
    drdDetailid integer NOT NULL,
    drdCompanyid integer,
    drdinvoiceid integer,
    drdserviceinvoiceid integer,
    drdsplinvoiceid integer,
    drdRoomBillID integer,
    drdUtilityBillID integer,
    drdbookserinvoiceid integer,
    drdfineid integer,
    drdfandbInvoiceID integer,
    drdaccinvoiceid integer,
    drddcnid integer,
    drdinvoiceamount numeric,
    drdsettledamount numeric,
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
    companyID integer PRIMARY KEY,
    name text COLLATE ci,
    shortname text COLLATE ci,
    Address1 text COLLATE ci,
    Address2 text COLLATE ci,
    Address3 text COLLATE ci,
    CurrencyID integer
);

CREATE TABLE IF NOT EXISTS adepartmentMaster (
    DepartmentID integer PRIMARY KEY,
    CompanyID integer,
    departmentname text COLLATE ci,
    depcurrencyid integer
);
CREATE INDEX IF NOT EXISTS ixDepartmentCompany ON adepartmentMaster (CompanyID);

CREATE TABLE IF NOT EXISTS acurrencymaster (
    currencyid integer PRIMARY KEY,
    currencyname text COLLATE ci,
    symbol text COLLATE ci,
    -- The company whose rate sheet prices the currency when it is looked up by itself.
    companyid integer,
    decimalname text COLLATE ci
);

-- One rate sheet per row; its selling rates per currency in ExchangeRateDetail. A rate is the number of
-- units of the currency for one unit of the sheet's base: conversion factors are quotients of two rates.
CREATE TABLE IF NOT EXISTS ExchangeRate (
    ExchangeID integer PRIMARY KEY,
    CompanyID integer,
    ratedate timestamp(3),
    description text COLLATE ci
);
CREATE INDEX IF NOT EXISTS ixExchangeRateCompany ON ExchangeRate (CompanyID);

CREATE TABLE IF NOT EXISTS ExchangeRateDetail (
    CompanyID integer NOT NULL,
    ExchangeID integer NOT NULL,
    CurrencyID integer NOT NULL,
    SellingRate numeric,
    BuyingRate numeric,
    PRIMARY KEY (CompanyID, ExchangeID, CurrencyID)
);
CREATE INDEX IF NOT EXISTS ixExchangeRateDetailCurrency ON ExchangeRateDetail (CompanyID, CurrencyID);

CREATE TABLE IF NOT EXISTS aSettings (
    CompanyID integer PRIMARY KEY,
    -- The currency of the company's cash group.
    CashGroupID integer,
    -- Control account that posted receipts credit.
    debtorsaccountid integer
);

CREATE TABLE IF NOT EXISTS aaccountmaster (
    companyid integer NOT NULL,
    accountid integer NOT NULL,
    accountcode text COLLATE ci,
    accountname text COLLATE ci,
    currencyid integer,
    PRIMARY KEY (companyid, accountid)
);

CREATE TABLE IF NOT EXISTS apackagesettings (
    companyid integer PRIMARY KEY,
    alias smallint DEFAULT 0,
    inventoryid integer,
    packagename text COLLATE ci
);

CREATE TABLE IF NOT EXISTS aalias (
    aliasid integer PRIMARY KEY,
    Alias text COLLATE ci
);

CREATE TABLE IF NOT EXISTS avendorMaster (
    vendorID integer PRIMARY KEY,
    companyid integer,
    vendorname text COLLATE ci,
    CurrencyID integer
);

------------------------------------------------------------------------------------------------------------
-- Customers, shops, counters, users and shop settings.
------------------------------------------------------------------------------------------------------------

CREATE TABLE IF NOT EXISTS acustomermaster (
    customerid integer PRIMARY KEY,
    CompanyID integer,
    customercode text COLLATE ci,
    customername text COLLATE ci,
    CurrencyID integer,
    Active smallint DEFAULT 1,
    address text COLLATE ci,
    telephoneno text COLLATE ci
);
CREATE INDEX IF NOT EXISTS ixCustomerCompany ON acustomermaster (CompanyID);

CREATE TABLE IF NOT EXISTS ashopcustomerdetails (
    shopid integer NOT NULL,
    customerid integer NOT NULL,
    creditlimit numeric,
    PRIMARY KEY (shopid, customerid)
);

CREATE TABLE IF NOT EXISTS ashops (
    shopid integer PRIMARY KEY,
    companyid integer,
    departmentid integer,
    shopname text COLLATE ci,
    address text COLLATE ci,
    shoplocation text COLLATE ci,
    telephoneno text COLLATE ci,
    faxno text COLLATE ci,
    CounterLogin smallint DEFAULT 0,
    -- Days back within which a receipt may still be cancelled.
    futureint integer DEFAULT 0,
    -- Feature letters; a lower-case b: the shop works with a bank exchange rate.
    miscsettings13 text,
    -- Cash account that posted receipts debit.
    cashaccountid integer
);

CREATE TABLE IF NOT EXISTS aCounterMaster (
    CounterId integer PRIMARY KEY,
    CounterName text COLLATE ci,
    shopid integer
);

CREATE TABLE IF NOT EXISTS aPrefix (
    InterfaceID integer NOT NULL,
    shopid integer NOT NULL,
    financialid integer NOT NULL,
    Prefix text COLLATE ci,
    PRIMARY KEY (InterfaceID, shopid, financialid)
);

CREATE TABLE IF NOT EXISTS LOusers (
    userid integer NOT NULL,
    shopid integer NOT NULL,
    username text COLLATE ci,
    fullname text COLLATE ci,
    PRIMARY KEY (userid, shopid)
);

CREATE TABLE IF NOT EXISTS louserrights (
    userid integer NOT NULL,
    interfaceid integer NOT NULL,
    -- One letter per command: N new, E edit, D delete, U post ledgers, P print.
    FunctionRights text COLLATE ci,
    PRIMARY KEY (userid, interfaceid)
);

CREATE TABLE IF NOT EXISTS LOsSettings (
    shopid integer PRIMARY KEY,
    sNoofBackDays integer
);

-- Each closing of a shop day; the shop's last closing bounds what the register lists.
CREATE TABLE IF NOT EXISTS losdayclose (
    shopid integer NOT NULL,
    closedate timestamp(3) NOT NULL,
    closedby integer,
    closedtime timestamp(3),
    PRIMARY KEY (shopid, closedate)
);

-- The last closing per shop, kept as a plain column reference so that readers see a date-typed column.
CREATE OR REPLACE VIEW vwshopCloseDate AS
SELECT c.shopid AS shopid, c.closedate AS closedate
  FROM losdayclose c
 WHERE NOT EXISTS (SELECT 1 FROM losdayclose l WHERE l.shopid = c.shopid AND l.closedate > c.closedate);

------------------------------------------------------------------------------------------------------------
-- The shop's documents of every kind a receipt can settle. Every kind has its shop, id, number, date,
-- customer, company, amount and a cancelled flag.
------------------------------------------------------------------------------------------------------------

-- Sales invoices (ihtype 'I') and sales returns (ihtype 'R') share one id sequence per shop.
CREATE TABLE IF NOT EXISTS losinvoiceheader (
    ihshopid integer NOT NULL,
    ihinvoiceid integer NOT NULL,
    ihcompanyid integer,
    ihtype text COLLATE ci DEFAULT 'I',
    ihinvoiceno text COLLATE ci,
    ihinvoicedate timestamp(3),
    ihcustomerid integer,
    ihcurrencyid integer,
    ihnetamount numeric DEFAULT 0,
    ihexchangerates text COLLATE ci,
    ihRemarks text COLLATE ci,
    ihcancelled smallint DEFAULT 0,
    PRIMARY KEY (ihshopid, ihinvoiceid)
);
CREATE INDEX IF NOT EXISTS ixInvoiceCustomer ON losinvoiceheader (ihshopid, ihcustomerid);

CREATE TABLE IF NOT EXISTS losaccountsinvoiceheader (
    aishopid integer NOT NULL,
    aiinvoiceid integer NOT NULL,
    aicompanyid integer,
    aiinvoiceno text COLLATE ci,
    aiinvoicedate timestamp(3),
    aicustomerid integer,
    ainetamount numeric DEFAULT 0,
    airemarks text COLLATE ci,
    aicancelled smallint DEFAULT 0,
    PRIMARY KEY (aishopid, aiinvoiceid)
);
CREATE INDEX IF NOT EXISTS ixServiceInvoiceCustomer ON losaccountsinvoiceheader (aishopid, aicustomerid);

CREATE TABLE IF NOT EXISTS losspecialinvoiceheader (
    ihshopid integer NOT NULL,
    ihinvoiceid integer NOT NULL,
    ihcompanyid integer,
    ihinvoiceno text COLLATE ci,
    ihinvoicedate timestamp(3),
    ihcustomerid integer,
    ihnetamount numeric DEFAULT 0,
    ihRemarks text COLLATE ci,
    ihcancelled smallint DEFAULT 0,
    PRIMARY KEY (ihshopid, ihinvoiceid)
);
CREATE INDEX IF NOT EXISTS ixSpecialInvoiceCustomer ON losspecialinvoiceheader (ihshopid, ihcustomerid);

CREATE TABLE IF NOT EXISTS losApartmentBillHeader (
    abhshopid integer NOT NULL,
    abhBillID integer NOT NULL,
    abhcompanyid integer,
    abhBillNo text COLLATE ci,
    abhBillDate timestamp(3),
    abhcustomerid integer,
    abhApartmentNo text COLLATE ci,
    abhnetamount numeric DEFAULT 0,
    abhcancelled smallint DEFAULT 0,
    PRIMARY KEY (abhshopid, abhBillID)
);
CREATE INDEX IF NOT EXISTS ixRoomBillCustomer ON losApartmentBillHeader (abhshopid, abhcustomerid);

CREATE TABLE IF NOT EXISTS losTenantServiceBillHeader (
    tbhshopid integer NOT NULL,
    tbhBillID integer NOT NULL,
    tbhcompanyid integer,
    tbhBillNo text COLLATE ci,
    tbhBillDate timestamp(3),
    tbhcustomerid integer,
    tbhnetamount numeric DEFAULT 0,
    tbhcancelled smallint DEFAULT 0,
    PRIMARY KEY (tbhshopid, tbhBillID)
);
CREATE INDEX IF NOT EXISTS ixUtilityBillCustomer ON losTenantServiceBillHeader (tbhshopid, tbhcustomerid);

CREATE TABLE IF NOT EXISTS losserviceinvheader (
    serinvhshopid integer NOT NULL,
    serinvhid integer NOT NULL,
    serinvhcompanyid integer,
    serinvno text COLLATE ci,
    serinvhdate timestamp(3),
    serinvhcustomerid integer,
    serinvhnetamount numeric DEFAULT 0,
    serinvhcancelled smallint DEFAULT 0,
    PRIMARY KEY (serinvhshopid, serinvhid)
);
CREATE INDEX IF NOT EXISTS ixBookServiceCustomer ON losserviceinvheader (serinvhshopid, serinvhcustomerid);

CREATE TABLE IF NOT EXISTS afineheader (
    fhshopid integer NOT NULL,
    fhfineid integer NOT NULL,
    fhcompanyid integer,
    fhfineno text COLLATE ci,
    fhfinedate timestamp(3),
    fhcustomerid integer,
    fhamount numeric DEFAULT 0,
    fhreason text COLLATE ci,
    fhcancelled smallint DEFAULT 0,
    PRIMARY KEY (fhshopid, fhfineid)
);
CREATE INDEX IF NOT EXISTS ixFineCustomer ON afineheader (fhshopid, fhcustomerid);

CREATE TABLE IF NOT EXISTS losPosFandBHeader (
    poshShopID integer NOT NULL,
    poshBillID integer NOT NULL,
    poshCompanyID integer,
    poshBillNo text COLLATE ci,
    poshBillDate timestamp(3),
    poshCustomerID integer,
    poshNetAmount numeric DEFAULT 0,
    poshCancelled smallint DEFAULT 0,
    PRIMARY KEY (poshShopID, poshBillID)
);
CREATE INDEX IF NOT EXISTS ixFandBCustomer ON losPosFandBHeader (poshShopID, poshCustomerID);

-- Debit and credit notes of the shop and of head office, typed by their own code ('SDEBIT', 'HDEBIT', ...).
CREATE TABLE IF NOT EXISTS losdebitcreditnote (
    dcnshopid integer NOT NULL,
    dcnid integer NOT NULL,
    dcncompanyid integer,
    dcntype text COLLATE ci,
    dcnno text COLLATE ci,
    dcndate timestamp(3),
    dcncustomerid integer,
    dcnamount numeric DEFAULT 0,
    dcnremarks text COLLATE ci,
    dcncancelled smallint DEFAULT 0,
    PRIMARY KEY (dcnshopid, dcnid)
);
CREATE INDEX IF NOT EXISTS ixNoteCustomer ON losdebitcreditnote (dcnshopid, dcncustomerid);

------------------------------------------------------------------------------------------------------------
-- Head-office accounts: opening invoices with their service lines, receipt vouchers and customer
-- settlements. Vouchers and settlements name the document they pay in the column of its kind.
------------------------------------------------------------------------------------------------------------

-- FinancialID 0 marks an opening invoice.
CREATE TABLE IF NOT EXISTS AccountsInvoiceHeader (
    companyid integer NOT NULL,
    invoiceid integer NOT NULL,
    invoiceno text COLLATE ci,
    invoicedate timestamp(3),
    customerid integer,
    departmentid integer,
    FinancialID integer,
    currencyid integer,
    discount numeric,
    dueperiod integer,
    product text COLLATE ci,
    Referenceno text COLLATE ci,
    cancelled smallint DEFAULT 0,
    proforma smallint DEFAULT 0,
    cashinvoice smallint DEFAULT 0,
    PRIMARY KEY (companyid, invoiceid)
);
CREATE INDEX IF NOT EXISTS ixAccountsInvoiceCustomer
    ON AccountsInvoiceHeader (companyid, customerid, departmentid);

CREATE TABLE IF NOT EXISTS serviceinvoicedetails (
    companyid integer NOT NULL,
    invoiceid integer NOT NULL,
    serviceline integer NOT NULL,
    servicename text COLLATE ci,
    serviceqty numeric,
    amount numeric,
    PRIMARY KEY (companyid, invoiceid, serviceline)
);

-- A voucher that took over a shop receipt names it in dummyreceiptid (0: none).
CREATE TABLE IF NOT EXISTS receiptvoucherheader (
    companyid integer NOT NULL,
    receiptid integer NOT NULL,
    receiptno text COLLATE ci,
    receiptdate timestamp(3),
    CustomerID integer,
    currencyid integer,
    amount numeric,
    dummyreceiptid integer DEFAULT 0,
    remarks text COLLATE ci,
    cancelled smallint DEFAULT 0,
    PRIMARY KEY (companyid, receiptid)
);
CREATE INDEX IF NOT EXISTS ixVoucherDummyReceipt ON receiptvoucherheader (dummyreceiptid);

CREATE TABLE IF NOT EXISTS receiptvoucherdetails (
    companyid integer NOT NULL,
    receiptid integer NOT NULL,
    voucherline integer NOT NULL,
    shopid integer,
    amountreceived numeric DEFAULT 0,
    hqaccountsinvoiceid integer,
    posaccountsInvoiceID integer,
    posinvoiceid integer,
    posspinvoiceid integer,
    Posserviceinvoiceid integer,
    dcnid integer,
    phpaymentid integer,
    losdcnid integer,
    posexportid integer,
    RoomBillID integer,
    UtilityBillID integer,
    fineid integer,
    AccInvoiceID integer,
    fandbInvoiceID integer,
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
    CompanyID integer NOT NULL,
    CSID integer NOT NULL,
    csno text COLLATE ci,
    csdate timestamp(3),
    customerid integer,
    remarks text COLLATE ci,
    cancelled smallint DEFAULT 0,
    PRIMARY KEY (CompanyID, CSID)
);

CREATE TABLE IF NOT EXISTS customersettlementdetail (
    CompanyID integer NOT NULL,
    CSID integer NOT NULL,
    settlementline integer NOT NULL,
    shopid integer,
    settlementamount numeric DEFAULT 0,
    ACCinvoiceid integer,
    posinvoiceid integer,
    posspinvoiceid integer,
    Posserviceinvoiceid integer,
    RoomBillID integer,
    UtilityBillID integer,
    fineid integer,
    fandbInvoiceID integer,
    losdcnid integer,
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
--                                      and a note's own code; compared exactly, case included.
-- Each arm reads one source table through its (shop, customer) index once the reader's filter is pushed in.
-- What head office took is summed in lateral joins, once a document: a reader that both filters on settled
-- and lists it would otherwise have each sum run twice.
------------------------------------------------------------------------------------------------------------

CREATE OR REPLACE VIEW vwTotalInvoiceReceiptAmount AS
SELECT d.ihinvoiceid AS invoiceId, d.ihinvoiceno AS invoiceno, d.ihinvoicedate AS invoicedate,
       d.ihnetamount AS invoiceamt,
       received.amount + settlements.amount AS settled,
       d.ihshopid AS shopid, d.ihcompanyid AS companyid, d.ihcustomerid AS CUstomerId,
       CASE d.ihtype WHEN 'R' THEN 'RE' ELSE 'PCI' END AS type
  FROM losinvoiceheader d
  CROSS JOIN LATERAL (SELECT coalesce(sum(v.amountreceived), 0) AS amount
                        FROM receiptvoucherdetails v
                        JOIN receiptvoucherheader vh
                          ON vh.companyid = v.companyid AND vh.receiptid = v.receiptid
                       WHERE vh.cancelled = 0 AND v.posinvoiceid = d.ihinvoiceid
                         AND v.shopid = d.ihshopid AND v.companyid = d.ihcompanyid) received
  CROSS JOIN LATERAL (SELECT coalesce(sum(s.settlementamount), 0) AS amount
                        FROM customersettlementdetail s
                        JOIN customersettlementheader sh
                          ON sh.CompanyID = s.CompanyID AND sh.CSID = s.CSID
                       WHERE sh.cancelled = 0 AND s.posinvoiceid = d.ihinvoiceid
                         AND s.shopid = d.ihshopid AND s.CompanyID = d.ihcompanyid) settlements
 WHERE d.ihtype IN ('I', 'R') AND d.ihcancelled = 0
UNION ALL
SELECT d.aiinvoiceid, d.aiinvoiceno, d.aiinvoicedate, d.ainetamount,
       received.amount + settlements.amount,
       d.aishopid, d.aicompanyid, d.aicustomerid, 'PSI'
  FROM losaccountsinvoiceheader d
  CROSS JOIN LATERAL (SELECT coalesce(sum(v.amountreceived), 0) AS amount
                        FROM receiptvoucherdetails v
                        JOIN receiptvoucherheader vh
                          ON vh.companyid = v.companyid AND vh.receiptid = v.receiptid
                       WHERE vh.cancelled = 0 AND v.Posserviceinvoiceid = d.aiinvoiceid
                         AND v.shopid = d.aishopid AND v.companyid = d.aicompanyid) received
  CROSS JOIN LATERAL (SELECT coalesce(sum(s.settlementamount), 0) AS amount
                        FROM customersettlementdetail s
                        JOIN customersettlementheader sh
                          ON sh.CompanyID = s.CompanyID AND sh.CSID = s.CSID
                       WHERE sh.cancelled = 0 AND s.Posserviceinvoiceid = d.aiinvoiceid
                         AND s.shopid = d.aishopid AND s.CompanyID = d.aicompanyid) settlements
 WHERE d.aicancelled = 0
UNION ALL
SELECT d.ihinvoiceid, d.ihinvoiceno, d.ihinvoicedate, d.ihnetamount,
       received.amount + settlements.amount,
       d.ihshopid, d.ihcompanyid, d.ihcustomerid, 'PDI'
  FROM losspecialinvoiceheader d
  CROSS JOIN LATERAL (SELECT coalesce(sum(v.amountreceived), 0) AS amount
                        FROM receiptvoucherdetails v
                        JOIN receiptvoucherheader vh
                          ON vh.companyid = v.companyid AND vh.receiptid = v.receiptid
                       WHERE vh.cancelled = 0 AND v.posspinvoiceid = d.ihinvoiceid
                         AND v.shopid = d.ihshopid AND v.companyid = d.ihcompanyid) received
  CROSS JOIN LATERAL (SELECT coalesce(sum(s.settlementamount), 0) AS amount
                        FROM customersettlementdetail s
                        JOIN customersettlementheader sh
                          ON sh.CompanyID = s.CompanyID AND sh.CSID = s.CSID
                       WHERE sh.cancelled = 0 AND s.posspinvoiceid = d.ihinvoiceid
                         AND s.shopid = d.ihshopid AND s.CompanyID = d.ihcompanyid) settlements
 WHERE d.ihcancelled = 0
UNION ALL
SELECT d.abhBillID, d.abhBillNo, d.abhBillDate, d.abhnetamount,
       received.amount + settlements.amount,
       d.abhshopid, d.abhcompanyid, d.abhcustomerid, 'RBI'
  FROM losApartmentBillHeader d
  CROSS JOIN LATERAL (SELECT coalesce(sum(v.amountreceived), 0) AS amount
                        FROM receiptvoucherdetails v
                        JOIN receiptvoucherheader vh
                          ON vh.companyid = v.companyid AND vh.receiptid = v.receiptid
                       WHERE vh.cancelled = 0 AND v.RoomBillID = d.abhBillID
                         AND v.shopid = d.abhshopid AND v.companyid = d.abhcompanyid) received
  CROSS JOIN LATERAL (SELECT coalesce(sum(s.settlementamount), 0) AS amount
                        FROM customersettlementdetail s
                        JOIN customersettlementheader sh
                          ON sh.CompanyID = s.CompanyID AND sh.CSID = s.CSID
                       WHERE sh.cancelled = 0 AND s.RoomBillID = d.abhBillID
                         AND s.shopid = d.abhshopid AND s.CompanyID = d.abhcompanyid) settlements
 WHERE d.abhcancelled = 0
UNION ALL
SELECT d.tbhBillID, d.tbhBillNo, d.tbhBillDate, d.tbhnetamount,
       received.amount + settlements.amount,
       d.tbhshopid, d.tbhcompanyid, d.tbhcustomerid, 'UTB'
  FROM losTenantServiceBillHeader d
  CROSS JOIN LATERAL (SELECT coalesce(sum(v.amountreceived), 0) AS amount
                        FROM receiptvoucherdetails v
                        JOIN receiptvoucherheader vh
                          ON vh.companyid = v.companyid AND vh.receiptid = v.receiptid
                       WHERE vh.cancelled = 0 AND v.UtilityBillID = d.tbhBillID
                         AND v.shopid = d.tbhshopid AND v.companyid = d.tbhcompanyid) received
  CROSS JOIN LATERAL (SELECT coalesce(sum(s.settlementamount), 0) AS amount
                        FROM customersettlementdetail s
                        JOIN customersettlementheader sh
                          ON sh.CompanyID = s.CompanyID AND sh.CSID = s.CSID
                       WHERE sh.cancelled = 0 AND s.UtilityBillID = d.tbhBillID
                         AND s.shopid = d.tbhshopid AND s.CompanyID = d.tbhcompanyid) settlements
 WHERE d.tbhcancelled = 0
UNION ALL
SELECT d.serinvhid, d.serinvno, d.serinvhdate, d.serinvhnetamount,
       received.amount + settlements.amount,
       d.serinvhshopid, d.serinvhcompanyid, d.serinvhcustomerid, 'SBI'
  FROM losserviceinvheader d
  CROSS JOIN LATERAL (SELECT coalesce(sum(v.amountreceived), 0) AS amount
                        FROM receiptvoucherdetails v
                        JOIN receiptvoucherheader vh
                          ON vh.companyid = v.companyid AND vh.receiptid = v.receiptid
                       WHERE vh.cancelled = 0 AND v.Posserviceinvoiceid = d.serinvhid
                         AND v.shopid = d.serinvhshopid AND v.companyid = d.serinvhcompanyid) received
  CROSS JOIN LATERAL (SELECT coalesce(sum(s.settlementamount), 0) AS amount
                        FROM customersettlementdetail s
                        JOIN customersettlementheader sh
                          ON sh.CompanyID = s.CompanyID AND sh.CSID = s.CSID
                       WHERE sh.cancelled = 0 AND s.Posserviceinvoiceid = d.serinvhid
                         AND s.shopid = d.serinvhshopid AND s.CompanyID = d.serinvhcompanyid) settlements
 WHERE d.serinvhcancelled = 0
UNION ALL
SELECT d.fhfineid, d.fhfineno, d.fhfinedate, d.fhamount,
       received.amount + settlements.amount,
       d.fhshopid, d.fhcompanyid, d.fhcustomerid, 'FINE'
  FROM afineheader d
  CROSS JOIN LATERAL (SELECT coalesce(sum(v.amountreceived), 0) AS amount
                        FROM receiptvoucherdetails v
                        JOIN receiptvoucherheader vh
                          ON vh.companyid = v.companyid AND vh.receiptid = v.receiptid
                       WHERE vh.cancelled = 0 AND v.fineid = d.fhfineid
                         AND v.shopid = d.fhshopid AND v.companyid = d.fhcompanyid) received
  CROSS JOIN LATERAL (SELECT coalesce(sum(s.settlementamount), 0) AS amount
                        FROM customersettlementdetail s
                        JOIN customersettlementheader sh
                          ON sh.CompanyID = s.CompanyID AND sh.CSID = s.CSID
                       WHERE sh.cancelled = 0 AND s.fineid = d.fhfineid
                         AND s.shopid = d.fhshopid AND s.CompanyID = d.fhcompanyid) settlements
 WHERE d.fhcancelled = 0
UNION ALL
SELECT d.poshBillID, d.poshBillNo, d.poshBillDate, d.poshNetAmount,
       received.amount + settlements.amount,
       d.poshShopID, d.poshCompanyID, d.poshCustomerID, 'fandb'
  FROM losPosFandBHeader d
  CROSS JOIN LATERAL (SELECT coalesce(sum(v.amountreceived), 0) AS amount
                        FROM receiptvoucherdetails v
                        JOIN receiptvoucherheader vh
                          ON vh.companyid = v.companyid AND vh.receiptid = v.receiptid
                       WHERE vh.cancelled = 0 AND v.fandbInvoiceID = d.poshBillID
                         AND v.shopid = d.poshShopID AND v.companyid = d.poshCompanyID) received
  CROSS JOIN LATERAL (SELECT coalesce(sum(s.settlementamount), 0) AS amount
                        FROM customersettlementdetail s
                        JOIN customersettlementheader sh
                          ON sh.CompanyID = s.CompanyID AND sh.CSID = s.CSID
                       WHERE sh.cancelled = 0 AND s.fandbInvoiceID = d.poshBillID
                         AND s.shopid = d.poshShopID AND s.CompanyID = d.poshCompanyID) settlements
 WHERE d.poshCancelled = 0
UNION ALL
SELECT d.dcnid, d.dcnno, d.dcndate, d.dcnamount,
       received.amount + settlements.amount,
       d.dcnshopid, d.dcncompanyid, d.dcncustomerid, d.dcntype COLLATE "default"
  FROM losdebitcreditnote d
  CROSS JOIN LATERAL (SELECT coalesce(sum(v.amountreceived), 0) AS amount
                        FROM receiptvoucherdetails v
                        JOIN receiptvoucherheader vh
                          ON vh.companyid = v.companyid AND vh.receiptid = v.receiptid
                       WHERE vh.cancelled = 0 AND v.losdcnid = d.dcnid
                         AND v.shopid = d.dcnshopid AND v.companyid = d.dcncompanyid) received
  CROSS JOIN LATERAL (SELECT coalesce(sum(s.settlementamount), 0) AS amount
                        FROM customersettlementdetail s
                        JOIN customersettlementheader sh
                          ON sh.CompanyID = s.CompanyID AND sh.CSID = s.CSID
                       WHERE sh.cancelled = 0 AND s.losdcnid = d.dcnid
                         AND s.shopid = d.dcnshopid AND s.CompanyID = d.dcncompanyid) settlements
 WHERE d.dcncancelled = 0;

------------------------------------------------------------------------------------------------------------
-- Ledger posting. Posting a receipt is setting its drposted flag: a trigger then writes its two ledger
-- lines (the shop's cash account debited, the company's debtors account credited for the customer, both
-- in the company currency), and from then on the receipt and its details are frozen.
------------------------------------------------------------------------------------------------------------

CREATE TABLE IF NOT EXISTS aGeneralLedger (
    glid integer GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY,
    companyid integer,
    shopid integer,
    accountid integer,
    customerid integer,
    documenttype text COLLATE ci,
    documentid integer,
    documentno text COLLATE ci,
    documentdate timestamp(3),
    postingtime timestamp(3),
    currencyid integer,
    currencyamount numeric,
    debit numeric DEFAULT 0,
    credit numeric DEFAULT 0,
    narration text COLLATE ci
);
CREATE INDEX IF NOT EXISTS ixLedgerDocument ON aGeneralLedger (companyid, documenttype, shopid, documentid);
CREATE INDEX IF NOT EXISTS ixLedgerAccount ON aGeneralLedger (companyid, accountid, documentdate);

-- The ledger lines of every receipt, posted or not.
CREATE OR REPLACE VIEW vwReceiptLedgerLines AS
SELECT h.drCompanyID AS companyid, h.drShopid AS shopid, h.drID AS drid, s.cashaccountid AS accountid,
       NULL AS customerid, h.drNo AS documentno, h.drdate AS documentdate, h.drreccurrencyid AS currencyid,
       h.dramount AS currencyamount, round(h.dramount * coalesce(h.drExchangeRate, 1), 2) AS debit,
       0 AS credit,
       'Receipt ' || coalesce(h.drNo, '') || ' ' || coalesce(h.drremarks, '') AS narration
  FROM LosDummyReceiptHeader h LEFT JOIN ashops s ON s.shopid = h.drShopid
UNION ALL
SELECT h.drCompanyID, h.drShopid, h.drID, a.debtorsaccountid, h.drcustomerid, h.drNo, h.drdate,
       h.drreccurrencyid, h.dramount, 0, round(h.dramount * coalesce(h.drExchangeRate, 1), 2),
       'Receipt ' || coalesce(h.drNo, '') || ' ' || coalesce(h.drremarks, '')
  FROM LosDummyReceiptHeader h LEFT JOIN aSettings a ON a.CompanyID = h.drCompanyID;

-- The receivable side per customer.
CREATE OR REPLACE VIEW vwCustomerLedger AS
SELECT companyid, shopid, customerid, documenttype, documentid, documentno, documentdate, postingtime,
       currencyid, currencyamount, debit, credit, narration
  FROM aGeneralLedger
 WHERE customerid IS NOT NULL;

CREATE OR REPLACE FUNCTION fnReceiptPostLedger() RETURNS trigger
LANGUAGE plpgsql AS $$
BEGIN
    INSERT INTO aGeneralLedger (companyid, shopid, accountid, customerid, documenttype, documentid,
                                documentno, documentdate, postingtime, currencyid, currencyamount, debit,
                                credit, narration)
    SELECT companyid, shopid, accountid, customerid, 'RCPT', drid, documentno, documentdate,
           coalesce(NEW.drpostedtime, statement_timestamp()::timestamp(3)), currencyid, currencyamount, debit,
           credit, narration
      FROM vwReceiptLedgerLines
     WHERE shopid = NEW.drShopid AND drid = NEW.drID;
    RETURN NULL;
END
$$;

CREATE OR REPLACE TRIGGER trgReceiptPostLedger
AFTER UPDATE OF drposted ON LosDummyReceiptHeader
FOR EACH ROW WHEN (coalesce(OLD.drposted, 0) = 0 AND NEW.drposted = 1)
EXECUTE FUNCTION fnReceiptPostLedger();

-- Refuses the change with the message the trigger names, as a broken constraint.
CREATE OR REPLACE FUNCTION fnRefuseChange() RETURNS trigger
LANGUAGE plpgsql AS $$
BEGIN
    RAISE EXCEPTION USING MESSAGE = TG_ARGV[0], ERRCODE = 'integrity_constraint_violation';
END
$$;

CREATE OR REPLACE TRIGGER trgReceiptHeaderPostedUpdate
BEFORE UPDATE ON LosDummyReceiptHeader
FOR EACH ROW WHEN (OLD.drposted = 1)
EXECUTE FUNCTION fnRefuseChange('Posted receipts cannot be changed.');

CREATE OR REPLACE TRIGGER trgReceiptHeaderCancelledPost
BEFORE UPDATE OF drposted ON LosDummyReceiptHeader
FOR EACH ROW WHEN (NEW.drposted = 1 AND NEW.drCancelled = 1)
EXECUTE FUNCTION fnRefuseChange('Cancelled receipts cannot be posted.');

CREATE OR REPLACE TRIGGER trgReceiptHeaderPostedDelete
BEFORE DELETE ON LosDummyReceiptHeader
FOR EACH ROW WHEN (OLD.drposted = 1)
EXECUTE FUNCTION fnRefuseChange('Posted receipts cannot be changed.');

-- A trigger's condition cannot read another table here, so the details' triggers look at the receipt in their
-- function: the one the row leaves and the one it joins.
CREATE OR REPLACE FUNCTION fnReceiptDetailPosted() RETURNS trigger
LANGUAGE plpgsql AS $$
BEGIN
    IF EXISTS (SELECT 1 FROM LosDummyReceiptHeader
                WHERE drposted = 1
                  AND ((TG_OP <> 'INSERT' AND drShopid = OLD.drdshopid AND drID = OLD.drdid)
                       OR (TG_OP <> 'DELETE' AND drShopid = NEW.drdshopid AND drID = NEW.drdid))) THEN
        RAISE EXCEPTION USING MESSAGE = 'Posted receipts cannot be changed.',
                              ERRCODE = 'integrity_constraint_violation';
    END IF;
    RETURN CASE TG_OP WHEN 'DELETE' THEN OLD ELSE NEW END;
END
$$;

CREATE OR REPLACE TRIGGER trgReceiptDetailPostedInsert
BEFORE INSERT ON LosDummyReceiptDetail
FOR EACH ROW EXECUTE FUNCTION fnReceiptDetailPosted();

CREATE OR REPLACE TRIGGER trgReceiptDetailPostedUpdate
BEFORE UPDATE ON LosDummyReceiptDetail
FOR EACH ROW EXECUTE FUNCTION fnReceiptDetailPosted();

CREATE OR REPLACE TRIGGER trgReceiptDetailPostedDelete
BEFORE DELETE ON LosDummyReceiptDetail
FOR EACH ROW EXECUTE FUNCTION fnReceiptDetailPosted();

------------------------------------------------------------------------------------------------------------
-- Layouts: stored list-view columns and the grid columns of tables.
------------------------------------------------------------------------------------------------------------

CREATE TABLE IF NOT EXISTS alistviewheader (
    lvwid integer PRIMARY KEY,
    lvwtransname text COLLATE ci,
    lvwname text COLLATE ci,
    lvwmodulename text COLLATE ci
);
-- Readers fetch one layout by its three names.
CREATE UNIQUE INDEX IF NOT EXISTS uxListViewName ON alistviewheader (lvwtransname, lvwname, lvwmodulename);

-- lvwcolid counts from 1; lvwdcolalign 0 left, 1 right, 2 centre; widths in twips.
CREATE TABLE IF NOT EXISTS alistviewdetails (
    lvwdid integer NOT NULL,
    lvwcolid integer NOT NULL,
    lvwdcolwidth integer,
    lvwdcolalign integer DEFAULT 0,
    PRIMARY KEY (lvwdid, lvwcolid)
);

CREATE TABLE IF NOT EXISTS atables (
    tableid integer PRIMARY KEY,
    tablename text COLLATE ci
);
CREATE UNIQUE INDEX IF NOT EXISTS uxTableName ON atables (tablename);

-- Readers join atablecolumns on tableid, ask for no order and take the columns in grid order. This engine
-- keeps no table in key order (a changed row moves to the end), so the rows live in atablecolumnrows and
-- atablecolumns is a view that hands them out sorted; the join's plans for a table's columns keep that order.
-- Writes through the view reach the table.
CREATE TABLE IF NOT EXISTS atablecolumnrows (
    tableid integer NOT NULL,
    columnorder integer NOT NULL,
    columnname text COLLATE ci,
    columnheader text COLLATE ci,
    PRIMARY KEY (tableid, columnorder)
);
CREATE OR REPLACE VIEW atablecolumns AS
SELECT tableid, columnorder, columnname, columnheader FROM atablecolumnrows ORDER BY tableid, columnorder;

INSERT INTO atables (tableid, tablename) VALUES (1, 'LosDummyReceiptHeader') ON CONFLICT DO NOTHING;
INSERT INTO atablecolumnrows (tableid, columnorder, columnname, columnheader) VALUES
    (1, 1, 'drid', 'Receipt Id'),
    (1, 2, 'drno', 'Receipt No'),
    (1, 3, 'drdate', 'Receipt Date'),
    (1, 4, 'customername', 'Customer'),
    (1, 5, 'dramount', 'Amount'),
    (1, 6, 'drcancelled', 'Cancelled')
ON CONFLICT DO NOTHING;

------------------------------------------------------------------------------------------------------------
-- State of the suite's service classes.
------------------------------------------------------------------------------------------------------------

CREATE TABLE IF NOT EXISTS aErrorLog (
    errorid integer GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY,
    logtime timestamp(3),
    modulename text COLLATE ci,
    username text COLLATE ci,
    procedurename text COLLATE ci,
    errornumber integer,
    errorsource text COLLATE ci,
    errordescription text COLLATE ci,
    mode text COLLATE ci
);

CREATE TABLE IF NOT EXISTS aUserAuditing (
    auditid integer GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY,
    companyid integer,
    shopid integer,
    userid integer,
    interfaceid integer,
    openedtime timestamp(3),
    loggedtime timestamp(3),
    savedtime timestamp(3),
    documentid integer,
    documentno text COLLATE ci,
    mode text COLLATE ci,
    details text COLLATE ci
);
CREATE INDEX IF NOT EXISTS ixUserAuditingDocument ON aUserAuditing (shopid, interfaceid, documentid);

-- Colours in blue-green-red order; the form name '*' applies to every window without a row of its own.
CREATE TABLE IF NOT EXISTS aFormColor (
    formname text COLLATE ci PRIMARY KEY,
    backcolor integer,
    forecolor integer
);

CREATE TABLE IF NOT EXISTS aGridSettings (
    userid integer NOT NULL,
    companyid integer NOT NULL,
    gridname text COLLATE ci NOT NULL,
    colindex integer NOT NULL,
    colwidth integer,
    PRIMARY KEY (userid, companyid, gridname, colindex)
);

------------------------------------------------------------------------------------------------------------
-- Stored procedures: called with CALL inside the caller's transaction, so they never commit.
------------------------------------------------------------------------------------------------------------

-- spUpdateLedgersPOSReceipts(company id, shop id): posts the shop's receipts that are neither cancelled nor
-- posted yet; the posting trigger writes their ledger lines.
CREATE OR REPLACE PROCEDURE spUpdateLedgersPOSReceipts(company_id integer, shop_id integer)
LANGUAGE plpgsql AS $$
BEGIN
    UPDATE LosDummyReceiptHeader
       SET drposted = 1, drpostedtime = statement_timestamp()::timestamp(3)
     WHERE drCompanyID = company_id AND drShopid = shop_id AND coalesce(drposted, 0) = 0
       AND coalesce(drCancelled, 0) = 0;
END
$$;
