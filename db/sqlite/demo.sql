-- Demo data: two companies, four shops, their customers, documents, receipts and head-office payments.
--
-- Every date counts back from the day the demo is loaded for, read from the temporary table
-- demo_args(today) as 'yyyy-MM-dd', so that the register always has recent receipts. The
-- bulk rows are derived with window functions from small temporary tables and the temporary tables are
-- dropped at the end. Amounts are in the customer's currency unless a column says otherwise.

------------------------------------------------------------------------------------------------------------
-- Companies, currencies and rates. Rates are units per US dollar; the cash group is the US dollar.
------------------------------------------------------------------------------------------------------------

INSERT INTO acompanymaster (companyID, name, shortname, Address1, Address2, Address3, CurrencyID) VALUES
    (1, 'Island Traders Pvt Ltd', 'ITL', 'H. Coral Villa, 3rd Floor', 'Majeedhee Magu, Male',
     'Republic of Maldives', 1),
    (2, 'Atoll Hospitality Pvt Ltd', 'AHL', 'M. Sea View', 'Boduthakurufaanu Magu, Male',
     'Republic of Maldives', 1);

INSERT INTO acurrencymaster (currencyid, currencyname, symbol, companyid, decimalname) VALUES
    (1, 'Maldivian Rufiyaa', 'MVR', 1, 'Laari'),
    (2, 'US Dollar', 'USD', 1, 'Cents'),
    (3, 'Euro', 'EUR', 1, 'Cents');

INSERT INTO adepartmentMaster (DepartmentID, CompanyID, departmentname, depcurrencyid) VALUES
    (1, 1, 'Retail', 1),
    (2, 1, 'Wholesale', 2),
    (3, 2, 'Hospitality', 1);

INSERT INTO ExchangeRate (ExchangeID, CompanyID, ratedate, description) VALUES
    (1, 1, (SELECT today FROM demo_args) || ' 00:00:00.000', 'Daily rates'),
    (2, 2, (SELECT today FROM demo_args) || ' 00:00:00.000', 'Daily rates');

INSERT INTO ExchangeRateDetail (CompanyID, ExchangeID, CurrencyID, SellingRate, BuyingRate) VALUES
    (1, 1, 1, 15.42, 15.38), (1, 1, 2, 1, 1), (1, 1, 3, 0.92, 0.91),
    (2, 2, 1, 15.4, 15.36), (2, 2, 2, 1, 1), (2, 2, 3, 0.93, 0.92);

INSERT INTO aaccountmaster (companyid, accountid, accountcode, accountname, currencyid) VALUES
    (1, 1001, '1001', 'Cash in hand - Majeedhee Magu Store', 1),
    (1, 1002, '1002', 'Cash in hand - Hulhumale Mart', 1),
    (1, 1003, '1003', 'Cash in hand - Wholesale Depot', 2),
    (1, 1100, '1100', 'Bank of Maldives - current account', 1),
    (1, 1200, '1200', 'Trade debtors', 1),
    (1, 1300, '1300', 'Inventory', 1),
    (2, 2001, '2001', 'Cash in hand - Sunset Apartments', 1),
    (2, 2200, '2200', 'Trade debtors', 1),
    (2, 2300, '2300', 'Inventory', 2);

INSERT INTO aSettings (CompanyID, CashGroupID, debtorsaccountid) VALUES (1, 2, 1200), (2, 2, 2200);

INSERT INTO apackagesettings (companyid, alias, inventoryid, packagename) VALUES
    (1, 0, 1300, 'Retail and accounts'),
    (2, 0, 2300, 'Hospitality');

INSERT INTO aalias (aliasid, Alias) VALUES (1, 'Outlet');

INSERT INTO avendorMaster (vendorID, companyid, vendorname, CurrencyID) VALUES
    (1, 1, 'Male Wholesale Supplies', 1),
    (2, 1, 'Global Foods Trading LLC', 2),
    (3, 2, 'Resort Linen Co', 3);

------------------------------------------------------------------------------------------------------------
-- Shops, counters, numbering, settings and day closings.
------------------------------------------------------------------------------------------------------------

-- Shop 2 works with counter login and without a bank exchange rate (no lower-case b in miscsettings13).
INSERT INTO ashops (shopid, companyid, departmentid, shopname, address, shoplocation, telephoneno, faxno,
                    CounterLogin, futureint, miscsettings13, cashaccountid) VALUES
    (1, 1, 1, 'Majeedhee Magu Store', 'H. Coral Villa', 'Majeedhee Magu, Male', '330 1122', '330 1123',
     0, 2, 'abc', 1001),
    (2, 1, 1, 'Hulhumale Mart', 'Lot 10215', 'Nirolhu Magu, Hulhumale', '335 4411', '335 4412',
     1, 0, 'B', 1002),
    (3, 1, 2, 'Wholesale Depot', 'Warehouse 4', 'Thilafushi', '334 7788', NULL, 0, 5, 'bk', 1003),
    (4, 2, 3, 'Sunset Apartments', 'M. Sea View', 'Boduthakurufaanu Magu, Male', '332 5566', '332 5567',
     0, 1, 'b', 2001);

INSERT INTO aCounterMaster (CounterId, CounterName, shopid) VALUES
    (1, 'Counter 1', 1), (2, 'Counter 2', 1), (3, 'Main Counter', 2), (4, 'Express Counter', 2),
    (5, 'Depot Counter', 3), (6, 'Front Desk', 4);

INSERT INTO aPrefix (InterfaceID, shopid, financialid, Prefix) VALUES
    (1505, 1, 1, 'MM/RC/'), (1505, 2, 1, 'HM/RC/'), (1505, 3, 1, 'WD/RC/'), (1505, 4, 1, 'SA/RC/'),
    (1501, 1, 1, 'MM/INV/'), (1501, 2, 1, 'HM/INV/');

INSERT INTO LOsSettings (shopid, sNoofBackDays) VALUES (1, 30), (2, 14), (3, 60), (4, 30);

CREATE TEMP TABLE demo_calendar (daysago INTEGER PRIMARY KEY, day TEXT);
WITH RECURSIVE n(d) AS (SELECT 0 UNION ALL SELECT d + 1 FROM n WHERE d < 500)
INSERT INTO demo_calendar
SELECT d, date((SELECT today FROM demo_args), printf('-%d days', d)) || ' 00:00:00.000' FROM n;

-- Shop 1 closes weekly, last three weeks ago; shop 3 weekly, last a week ago; shops 2 and 4 never closed.
INSERT INTO losdayclose (shopid, closedate, closedby, closedtime)
SELECT s.shopid, c.day, 1, substr(c.day, 1, 10) || ' 21:15:00.000'
  FROM (SELECT 1 AS shopid, 21 AS lastday UNION ALL SELECT 3, 7) s
  JOIN demo_calendar c ON c.daysago >= s.lastday AND c.daysago <= s.lastday + 63
                      AND (c.daysago - s.lastday) % 7 = 0;

------------------------------------------------------------------------------------------------------------
-- Users and their rights on the receipt screen (interface 1505). mariyam has no rights row, so nothing is
-- restricted for her; fathimath may only add, view and print; ibrahim's rights are stored in lower case;
-- supervisor's rights text is ADMIN.
------------------------------------------------------------------------------------------------------------

INSERT INTO LOusers (userid, shopid, username, fullname)
SELECT u.userid, s.shopid, u.username, u.fullname
  FROM (SELECT 1 AS userid, 'ahmed' AS username, 'Ahmed Rasheed' AS fullname, '1234' AS shops
        UNION ALL SELECT 2, 'fathimath', 'Fathimath Shiuna', '12'
        UNION ALL SELECT 3, 'ibrahim', 'Ibrahim Latheef', '13'
        UNION ALL SELECT 4, 'supervisor', 'Hassan Manik', '1234'
        UNION ALL SELECT 5, 'mariyam', 'Mariyam Saeed', '124') u
  JOIN ashops s ON instr(u.shops, s.shopid) > 0;

INSERT INTO louserrights (userid, interfaceid, FunctionRights) VALUES
    (1, 1505, 'NEDUP'), (2, 1505, 'NEP'), (3, 1505, 'ednup'), (4, 1505, 'ADMIN'),
    (1, 1501, 'NEDP'), (2, 1501, 'NEDP'), (5, 1501, 'NE');

------------------------------------------------------------------------------------------------------------
-- Customers: 44 in three currencies, two inactive, linked to the shops they buy from.
------------------------------------------------------------------------------------------------------------

INSERT INTO acustomermaster (customerid, CompanyID, customercode, customername, CurrencyID, Active, address,
                             telephoneno)
SELECT id, CASE WHEN id <= 36 THEN 1 ELSE 2 END, printf('C%04d', id), name, currency, active,
       address, printf('7%02d %04d', 60 + id % 39, 1000 + id * 173 % 9000)
  FROM (SELECT 1 AS id, 'Ahmed Riyaz' AS name, 1 AS currency, 1 AS active, 'M. Fehivilla' AS address
        UNION ALL SELECT 2, 'Aishath Shifa', 1, 1, 'H. Rose Garden'
        UNION ALL SELECT 3, 'Hussain Naseem', 1, 1, 'G. Sunny Side'
        UNION ALL SELECT 4, 'Coral Reef Diving Centre', 2, 1, 'Villingili'
        UNION ALL SELECT 5, 'Mohamed Shafeeq', 1, 1, 'Ma. Dhilbahaaru'
        UNION ALL SELECT 6, 'Fathimath Zaha', 1, 1, 'H. Maaram'
        UNION ALL SELECT 7, 'Blue Lagoon Resort', 2, 1, 'North Male Atoll'
        UNION ALL SELECT 8, 'Ibrahim Waheed', 1, 1, 'M. Lily Magu'
        UNION ALL SELECT 9, 'Mariyam Nisha', 1, 1, 'G. Finifenmaage'
        UNION ALL SELECT 10, 'Sea Breeze Guest House', 1, 1, 'Hulhumale'
        UNION ALL SELECT 11, 'Ali Hameed', 1, 1, 'Ma. Kurangi'
        UNION ALL SELECT 12, 'Aminath Leeza', 1, 0, 'H. Sea Shell'
        UNION ALL SELECT 13, 'Sunrise Travel Ltd', 3, 1, 'London, United Kingdom'
        UNION ALL SELECT 14, 'Hassan Zubair', 1, 1, 'M. Kaneeru'
        UNION ALL SELECT 15, 'Island Bakery', 1, 1, 'Chandhanee Magu'
        UNION ALL SELECT 16, 'Abdulla Saeed', 1, 1, 'G. Dhoores'
        UNION ALL SELECT 17, 'Hawwa Reema', 1, 1, 'H. Gulisthaan'
        UNION ALL SELECT 18, 'Nautilus Water Sports', 2, 1, 'Maafushi'
        UNION ALL SELECT 19, 'Moosa Rasheed', 1, 1, 'Ma. Thaara'
        UNION ALL SELECT 20, 'Zeenath Ali', 1, 1, 'M. Blue Bell'
        UNION ALL SELECT 21, 'Alpine Tours GmbH', 3, 1, 'Munich, Germany'
        UNION ALL SELECT 22, 'Adam Naseer', 1, 1, 'G. Vaikaresdhoshuge'
        UNION ALL SELECT 23, 'Male Medical Clinic', 1, 1, 'Sosun Magu'
        UNION ALL SELECT 24, 'Palm Grove Cafe', 1, 1, 'Boduthakurufaanu Magu'
        UNION ALL SELECT 25, 'Maldives Fishing Supplies', 2, 1, 'Maafannu'
        UNION ALL SELECT 26, 'Ocean Fresh Exports', 2, 1, 'Thilafushi'
        UNION ALL SELECT 27, 'Villingili Construction', 1, 1, 'Villingili'
        UNION ALL SELECT 28, 'Ahmed Shareef', 1, 1, 'H. Nooranage'
        UNION ALL SELECT 29, 'Reef Edge Boutique Hotel', 3, 1, 'Ari Atoll'
        UNION ALL SELECT 30, 'Addu Traders', 1, 1, 'Hithadhoo, Addu'
        UNION ALL SELECT 31, 'Kudahuvadhoo Store', 1, 1, 'Kudahuvadhoo, Dhaalu'
        UNION ALL SELECT 32, 'Atoll Build Materials', 2, 1, 'Thilafushi'
        UNION ALL SELECT 33, 'Baa Atoll Resort Supplies', 2, 1, 'Eydhafushi, Baa'
        UNION ALL SELECT 34, 'Euro Marine Supplies SARL', 3, 1, 'Marseille, France'
        UNION ALL SELECT 35, 'Thinadhoo Hardware', 1, 1, 'Thinadhoo, Gaafu Dhaalu'
        UNION ALL SELECT 36, 'Laamu Fisheries Cooperative', 2, 1, 'Fonadhoo, Laamu'
        UNION ALL SELECT 37, 'Mohamed Irufan', 1, 1, 'M. Orchid Villa'
        UNION ALL SELECT 38, 'Aishath Mishal', 1, 1, 'H. Vilu Aage'
        UNION ALL SELECT 39, 'Northern Lights Travel AS', 3, 1, 'Oslo, Norway'
        UNION ALL SELECT 40, 'Hamid Abdul Sattar', 1, 0, 'Ma. Faalandhoshuge'
        UNION ALL SELECT 41, 'Pacific Crew Services', 2, 1, 'Singapore'
        UNION ALL SELECT 42, 'Shirin Adam', 1, 1, 'G. Asurumaage'
        UNION ALL SELECT 43, 'Bluewave Consultancy', 2, 1, 'Hulhumale'
        UNION ALL SELECT 44, 'Villa Rentals Europe BV', 3, 1, 'Rotterdam, Netherlands');

INSERT INTO ashopcustomerdetails (shopid, customerid, creditlimit)
SELECT s.shopid, c.customerid, CASE c.CurrencyID WHEN 1 THEN 25000 ELSE 2000 END
  FROM acustomermaster c
  JOIN ashops s ON (s.shopid = 1 AND c.customerid <= 30)
                OR (s.shopid = 2 AND ((c.customerid <= 30 AND c.customerid % 2 = 0)
                                      OR c.customerid IN (31, 33)))
                OR (s.shopid = 3 AND c.customerid BETWEEN 25 AND 36)
                OR (s.shopid = 4 AND c.customerid >= 37);

------------------------------------------------------------------------------------------------------------
-- Shop documents: each linked customer gets one document of every kind its shop issues.
------------------------------------------------------------------------------------------------------------

CREATE TEMP TABLE demo_kinds (shopid INTEGER, pos INTEGER, kind TEXT, code TEXT);
INSERT INTO demo_kinds VALUES
    (1, 1, 'PCI', 'INV'), (1, 2, 'PSI', 'SRV'), (1, 3, 'PDI', 'SPI'), (1, 4, 'SBI', 'BSI'),
    (1, 5, 'PCI', 'INV'), (1, 6, 'PCI', 'INV'), (1, 7, 'RE', 'RTN'), (1, 8, 'SDEBIT', 'SDN'),
    (1, 9, 'PSI', 'SRV'), (1, 10, 'PCI', 'INV'),
    (2, 1, 'PCI', 'INV'), (2, 2, 'PSI', 'SRV'), (2, 3, 'FINE', 'FIN'), (2, 4, 'PCI', 'INV'),
    (2, 5, 'PCI', 'INV'), (2, 6, 'PSI', 'SRV'),
    (3, 1, 'PCI', 'INV'), (3, 2, 'PDI', 'SPI'), (3, 3, 'PCI', 'INV'), (3, 4, 'HDEBIT', 'HDN'),
    (3, 5, 'PCI', 'INV'), (3, 6, 'PDI', 'SPI'),
    (4, 1, 'RBI', 'RB'), (4, 2, 'UTB', 'UB'), (4, 3, 'fandb', 'FB'), (4, 4, 'RBI', 'RB'),
    (4, 5, 'FINE', 'FIN'), (4, 6, 'fandb', 'FB'), (4, 7, 'UTB', 'UB'), (4, 8, 'RBI', 'RB');

CREATE TEMP TABLE demo_shopcodes (shopid INTEGER PRIMARY KEY, code TEXT);
INSERT INTO demo_shopcodes VALUES (1, 'MM'), (2, 'HM'), (3, 'WD'), (4, 'SA');

-- The rate text a receipt or invoice of the company stores: ids, '-', rates.
CREATE TEMP TABLE demo_ratetexts AS
SELECT CompanyID AS companyid,
       group_concat(CurrencyID || ':', '') || '-'
           || group_concat(printf('%g', SellingRate) || ':', '') AS rates
  FROM (SELECT * FROM ExchangeRateDetail ORDER BY CompanyID, CurrencyID)
 GROUP BY CompanyID;

CREATE TEMP TABLE demo_docs AS
SELECT x.*,
       row_number() OVER (PARTITION BY shopid, source ORDER BY docday DESC, customerid, pos)
           + CASE kind WHEN 'SBI' THEN 5000 ELSE 0 END AS docid
  FROM (SELECT l.shopid, s.companyid, l.customerid, c.CurrencyID AS currency, k.pos, k.kind, k.code,
               CASE k.kind WHEN 'RE' THEN 'PCI' WHEN 'SDEBIT' THEN 'DCN' WHEN 'HDEBIT' THEN 'DCN'
                           ELSE k.kind END AS source,
               2 + (l.customerid * 11 + k.pos * 17 + l.shopid * 5) % 84 AS docday,
               round((100 + (l.customerid * 37 + k.pos * 101 + l.shopid * 13) % 1900
                      + (l.customerid + k.pos) % 100 / 100.0)
                     / CASE c.CurrencyID WHEN 1 THEN 1 ELSE 10 END
                     / CASE WHEN k.kind IN ('RE', 'SDEBIT', 'HDEBIT') THEN 4 ELSE 1 END, 2) AS amount
          FROM ashopcustomerdetails l
          JOIN ashops s ON s.shopid = l.shopid
          JOIN acustomermaster c ON c.customerid = l.customerid
          JOIN demo_kinds k ON k.shopid = l.shopid) x;

ALTER TABLE demo_docs ADD COLUMN docno TEXT;
ALTER TABLE demo_docs ADD COLUMN docdate TEXT;
UPDATE demo_docs
   SET docno = (SELECT code FROM demo_shopcodes WHERE shopid = demo_docs.shopid) || '/' || code || '/'
               || printf('%05d', docid),
       docdate = (SELECT day FROM demo_calendar WHERE daysago = docday);
-- Sales are stamped with the time of the sale.
UPDATE demo_docs
   SET docdate = strftime('%Y-%m-%d %H:%M:%f', docdate, printf('+%d seconds', 32400 + docid * 1237 % 36000))
 WHERE source = 'PCI';

INSERT INTO losinvoiceheader (ihshopid, ihinvoiceid, ihcompanyid, ihtype, ihinvoiceno, ihinvoicedate,
                              ihcustomerid, ihcurrencyid, ihnetamount, ihexchangerates, ihRemarks)
SELECT d.shopid, d.docid, d.companyid, CASE d.kind WHEN 'RE' THEN 'R' ELSE 'I' END, d.docno, d.docdate,
       d.customerid, d.currency, d.amount, r.rates,
       CASE WHEN d.kind = 'RE' THEN 'Returned damaged goods'
            WHEN d.docid % 5 = 0 THEN 'Delivered to site' WHEN d.docid % 5 = 2 THEN 'Credit sale, 30 days' END
  FROM demo_docs d JOIN demo_ratetexts r ON r.companyid = d.companyid
 WHERE d.source = 'PCI';

INSERT INTO losaccountsinvoiceheader (aishopid, aiinvoiceid, aicompanyid, aiinvoiceno, aiinvoicedate,
                                      aicustomerid, ainetamount, airemarks)
SELECT shopid, docid, companyid, docno, docdate, customerid, amount, 'Repair and service'
  FROM demo_docs WHERE source = 'PSI';

INSERT INTO losspecialinvoiceheader (ihshopid, ihinvoiceid, ihcompanyid, ihinvoiceno, ihinvoicedate,
                                     ihcustomerid, ihnetamount, ihRemarks)
SELECT shopid, docid, companyid, docno, docdate, customerid, amount, 'Special order'
  FROM demo_docs WHERE source = 'PDI';

INSERT INTO losserviceinvheader (serinvhshopid, serinvhid, serinvhcompanyid, serinvno, serinvhdate,
                                 serinvhcustomerid, serinvhnetamount)
SELECT shopid, docid, companyid, docno, docdate, customerid, amount FROM demo_docs WHERE source = 'SBI';

INSERT INTO afineheader (fhshopid, fhfineid, fhcompanyid, fhfineno, fhfinedate, fhcustomerid, fhamount,
                         fhreason)
SELECT shopid, docid, companyid, docno, docdate, customerid, amount,
       CASE shopid WHEN 4 THEN 'Damage to apartment fittings' ELSE 'Late return of rented equipment' END
  FROM demo_docs WHERE source = 'FINE';

INSERT INTO losApartmentBillHeader (abhshopid, abhBillID, abhcompanyid, abhBillNo, abhBillDate, abhcustomerid,
                                    abhApartmentNo, abhnetamount)
SELECT shopid, docid, companyid, docno, docdate, customerid, printf('A-%d', 100 + customerid % 12 * 3), amount
  FROM demo_docs WHERE source = 'RBI';

INSERT INTO losTenantServiceBillHeader (tbhshopid, tbhBillID, tbhcompanyid, tbhBillNo, tbhBillDate,
                                        tbhcustomerid, tbhnetamount)
SELECT shopid, docid, companyid, docno, docdate, customerid, amount FROM demo_docs WHERE source = 'UTB';

INSERT INTO losPosFandBHeader (poshShopID, poshBillID, poshCompanyID, poshBillNo, poshBillDate,
                               poshCustomerID, poshNetAmount)
SELECT shopid, docid, companyid, docno, docdate, customerid, amount FROM demo_docs WHERE source = 'fandb';

INSERT INTO losdebitcreditnote (dcnshopid, dcnid, dcncompanyid, dcntype, dcnno, dcndate, dcncustomerid,
                                dcnamount, dcnremarks)
SELECT shopid, docid, companyid, kind, docno, docdate, customerid, amount, 'Price difference'
  FROM demo_docs WHERE source = 'DCN';

-- One cancelled document of each of two kinds: never outstanding.
UPDATE losinvoiceheader SET ihcancelled = 1, ihRemarks = 'Cancelled: keyed twice'
 WHERE ihshopid = 1 AND ihinvoiceid = 3;
UPDATE afineheader SET fhcancelled = 1 WHERE fhshopid = 2 AND fhfineid = 2;

------------------------------------------------------------------------------------------------------------
-- Opening invoices of head office with their service lines, and a few that are not open.
------------------------------------------------------------------------------------------------------------

CREATE TEMP TABLE demo_openings AS
SELECT x.*, row_number() OVER (PARTITION BY companyid ORDER BY customerid, nth) AS invoiceid
  FROM (SELECT c.CompanyID AS companyid, c.customerid, c.CurrencyID AS currency, n.nth,
               CASE WHEN c.customerid <= 30 THEN 1 WHEN c.customerid <= 36 THEN 2 ELSE 3 END AS departmentid
          FROM acustomermaster c
          JOIN (SELECT 1 AS nth UNION ALL SELECT 2) n ON n.nth = 1 OR c.customerid % 5 = 0
         WHERE (c.customerid <= 36 AND c.customerid % 3 <> 1)
            OR (c.customerid > 36 AND c.customerid % 2 = 0)) x;

INSERT INTO AccountsInvoiceHeader (companyid, invoiceid, invoiceno, invoicedate, customerid, departmentid,
                                   FinancialID, currencyid, discount, dueperiod, product, Referenceno)
SELECT o.companyid, o.invoiceid, printf('OB/%04d', o.invoiceid),
       (SELECT day FROM demo_calendar WHERE daysago = 120 + o.invoiceid * 13 % 300), o.customerid,
       o.departmentid, 0, o.currency,
       CASE o.invoiceid % 4 WHEN 0 THEN CASE o.currency WHEN 1 THEN 20 ELSE 2 END WHEN 1 THEN NULL ELSE 0 END,
       30 * (1 + o.invoiceid % 3),
       CASE o.invoiceid % 4 WHEN 0 THEN 'Consultancy services' WHEN 1 THEN 'Annual maintenance'
                            WHEN 2 THEN 'Equipment rental' ELSE 'Logistics services' END,
       printf('PO-%d', 4000 + o.invoiceid * 7)
  FROM demo_openings o;

WITH RECURSIVE line(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM line WHERE n < 3)
INSERT INTO serviceinvoicedetails (companyid, invoiceid, serviceline, servicename, serviceqty, amount)
SELECT o.companyid, o.invoiceid, line.n,
       CASE line.n WHEN 1 THEN 'Labour' WHEN 2 THEN 'Materials' ELSE 'Transport' END,
       1 + (o.invoiceid + line.n) % 5,
       CASE o.currency WHEN 1 THEN 150 + (o.invoiceid * 53 + line.n * 71) % 900
                       ELSE 20 + (o.invoiceid * 7 + line.n * 11) % 120 END
  FROM demo_openings o JOIN line ON line.n <= 1 + o.invoiceid % 3;

-- Not open: cancelled, pro-forma, cash, and one of the current year.
INSERT INTO AccountsInvoiceHeader (companyid, invoiceid, invoiceno, invoicedate, customerid, departmentid,
                                   FinancialID, currencyid, discount, dueperiod, product, Referenceno,
                                   cancelled, proforma, cashinvoice)
SELECT 1, 900 + n, printf('OB/%04d', 900 + n), (SELECT day FROM demo_calendar WHERE daysago = 200), 2, 1,
       CASE n WHEN 4 THEN 1 ELSE 0 END, 1, 0, 30, 'Equipment rental', printf('PO-%d', 9000 + n),
       n = 1, n = 2, n = 3
  FROM (SELECT 1 AS n UNION ALL SELECT 2 UNION ALL SELECT 3 UNION ALL SELECT 4);
INSERT INTO serviceinvoicedetails (companyid, invoiceid, serviceline, servicename, serviceqty, amount)
SELECT 1, invoiceid, 1, 'Labour', 2, 400 FROM AccountsInvoiceHeader WHERE companyid = 1 AND invoiceid > 900;

ALTER TABLE demo_openings ADD COLUMN total REAL;
UPDATE demo_openings
   SET total = (SELECT sum(serviceqty * amount) FROM serviceinvoicedetails s
                 WHERE s.companyid = demo_openings.companyid AND s.invoiceid = demo_openings.invoiceid)
             - (SELECT ifnull(discount, 0) FROM AccountsInvoiceHeader a
                 WHERE a.companyid = demo_openings.companyid AND a.invoiceid = demo_openings.invoiceid);

------------------------------------------------------------------------------------------------------------
-- Receipts: settlements of shop documents and of opening invoices, and advances. A document is settled by
-- at most one receipt; documents that head office was paid for are left to head office.
------------------------------------------------------------------------------------------------------------

CREATE TEMP TABLE demo_receipts AS
SELECT x.*, row_number() OVER (PARTITION BY shopid ORDER BY rday DESC, customerid, kind, docid) AS drid
  FROM (SELECT shopid, companyid, customerid, currency, 'S' AS kind, source AS doctype, docid, docno,
               max(docday - docid % 9, 0) AS rday, amount AS invamount,
               round(amount * CASE docid % 4 WHEN 1 THEN 0.5 WHEN 3 THEN 0.4 ELSE 1 END, 2) AS settled,
               currency AS reccurrency
          FROM demo_docs
         WHERE source NOT IN ('DCN') AND kind <> 'RE' AND docid % 7 <> 3 AND docid % 11 <> 4
           AND (customerid + pos) % 3 <> 0
        UNION ALL
        SELECT CASE departmentid WHEN 1 THEN 1 WHEN 2 THEN 3 ELSE 4 END, companyid, customerid, currency, 'O',
               'OPEN', invoiceid, printf('OB/%04d', invoiceid), invoiceid * 7 % 50, total,
               round(total * 0.3, 2), currency
          FROM demo_openings
         WHERE invoiceid % 5 IN (1, 2) AND invoiceid % 10 <> 7
        UNION ALL
        SELECT l.shopid, c.CompanyID, c.customerid, c.CurrencyID, 'A', NULL, NULL, NULL,
               (c.customerid * 3 + l.shopid) % 45, NULL, 0,
               CASE WHEN c.customerid % 3 = 0 AND c.CurrencyID = 1 THEN 2 ELSE c.CurrencyID END
          FROM ashopcustomerdetails l JOIN acustomermaster c ON c.customerid = l.customerid
         WHERE (c.customerid + l.shopid) % 3 = 0) x;

CREATE TEMP TABLE demo_shopusers (shopid INTEGER, pos INTEGER, userid INTEGER);
INSERT INTO demo_shopusers VALUES (1, 0, 1), (1, 1, 2), (1, 2, 3), (1, 3, 5), (2, 0, 1), (2, 1, 2), (2, 2, 5),
                                  (3, 0, 1), (3, 1, 3), (4, 0, 1), (4, 1, 5);

INSERT INTO LosDummyReceiptHeader (drShopid, drID, drCompanyID, drTime, drNo, drRecadduser, drDepartmentid,
                                   drCounterID, drdate, drcustomerid, drbankname, drremarks, drchequeno,
                                   drchequedate, dramount, drreccurrencyid, drrecamount, drBankExchangeRate,
                                   drExchangeRate, drCancelled, drdepexRate, drexchangerates, drUserID,
                                   drCancelledRemarks)
SELECT r.shopid, r.drid, r.companyid,
       strftime('%Y-%m-%d %H:%M:%f', day.day, printf('+%d seconds', 30600 + r.drid * 7919 % 34000)),
       p.Prefix || r.drid, u.username, s.departmentid,
       (SELECT min(CounterId) FROM aCounterMaster WHERE shopid = r.shopid), day.day, r.customerid,
       CASE WHEN r.drid % 5 < 3 THEN 'Cash'
            ELSE CASE r.drid % 4 WHEN 0 THEN 'Bank of Maldives' WHEN 1 THEN 'Maldives Islamic Bank'
                                 WHEN 2 THEN 'State Bank of India' ELSE 'Commercial Bank of Maldives' END END,
       CASE r.kind WHEN 'S' THEN 'Payment against ' || r.docno WHEN 'O' THEN 'Part payment of ' || r.docno
                   ELSE CASE r.drid % 3 WHEN 0 THEN 'Advance for next order' WHEN 1 THEN 'Deposit'
                                        ELSE 'Advance payment' END END,
       CASE WHEN r.drid % 5 < 3 THEN 'Cash' ELSE printf('%06d', 104000 + r.drid * 37 % 90000) END,
       CASE WHEN r.drid % 5 < 3 THEN day.day
            ELSE (SELECT day FROM demo_calendar WHERE daysago = max(r.rday - r.drid % 4, 0)) END,
       CASE r.kind WHEN 'A' THEN CASE r.reccurrency WHEN 1 THEN 500 ELSE 50 END * (1 + r.customerid % 4)
                   ELSE r.settled END,
       r.reccurrency, r.settled, rec.SellingRate, com.SellingRate / rec.SellingRate,
       CASE WHEN r.drid % 13 = 6 THEN 1 ELSE 0 END, dep.SellingRate / rec.SellingRate, t.rates, u.userid,
       CASE WHEN r.drid % 13 = 6 THEN
           CASE r.drid % 4 WHEN 0 THEN 'Wrong customer selected' WHEN 1 THEN 'Duplicate entry'
                           WHEN 2 THEN 'Cheque returned unpaid' ELSE 'Amount entered incorrectly' END END
  FROM demo_receipts r
  JOIN demo_calendar day ON day.daysago = r.rday
  JOIN ashops s ON s.shopid = r.shopid
  JOIN aPrefix p ON p.InterfaceID = 1505 AND p.shopid = r.shopid AND p.financialid = 1
  JOIN demo_shopusers su ON su.shopid = r.shopid
                        AND su.pos = r.drid % (SELECT count(*) FROM demo_shopusers WHERE shopid = r.shopid)
  JOIN LOusers u ON u.userid = su.userid AND u.shopid = r.shopid
  JOIN acompanymaster co ON co.companyID = r.companyid
  JOIN adepartmentMaster dm ON dm.DepartmentID = s.departmentid
  JOIN ExchangeRateDetail rec ON rec.CompanyID = r.companyid AND rec.CurrencyID = r.reccurrency
  JOIN ExchangeRateDetail com ON com.CompanyID = r.companyid AND com.CurrencyID = co.CurrencyID
  JOIN ExchangeRateDetail dep ON dep.CompanyID = r.companyid AND dep.CurrencyID = dm.depcurrencyid
  JOIN demo_ratetexts t ON t.companyid = r.companyid;

INSERT INTO LosDummyReceiptDetail (drdshopid, drdid, drdDetailid, drdCompanyid, drdinvoiceid,
                                   drdserviceinvoiceid, drdsplinvoiceid, drdRoomBillID, drdUtilityBillID,
                                   drdbookserinvoiceid, drdfineid, drdfandbInvoiceID, drdaccinvoiceid,
                                   drdinvoiceamount, drdsettledamount)
SELECT shopid, drid, 1, companyid,
       CASE doctype WHEN 'PCI' THEN docid END, CASE doctype WHEN 'PSI' THEN docid END,
       CASE doctype WHEN 'PDI' THEN docid END, CASE doctype WHEN 'RBI' THEN docid END,
       CASE doctype WHEN 'UTB' THEN docid END, CASE doctype WHEN 'SBI' THEN docid END,
       CASE doctype WHEN 'FINE' THEN docid END, CASE doctype WHEN 'fandb' THEN docid END,
       CASE doctype WHEN 'OPEN' THEN docid END, invamount, settled
  FROM demo_receipts WHERE kind <> 'A';

-- Receipts up to a shop's last closing were posted when that day closed.
UPDATE LosDummyReceiptHeader
   SET drposted = 1,
       drpostedtime = (SELECT substr(closedate, 1, 10) || ' 21:30:00.000' FROM vwshopCloseDate
                        WHERE shopid = LosDummyReceiptHeader.drShopid)
 WHERE drCancelled = 0
   AND drdate <= (SELECT closedate FROM vwshopCloseDate WHERE shopid = LosDummyReceiptHeader.drShopid);

------------------------------------------------------------------------------------------------------------
-- Head office: receipt vouchers (part payments of shop documents, payments of opening invoices, and every
-- fourth posted settlement taken over from its shop receipt) and customer settlements.
------------------------------------------------------------------------------------------------------------

CREATE TEMP TABLE demo_vouchers AS
SELECT x.*, row_number() OVER (PARTITION BY companyid ORDER BY vday DESC, shopid, doctype, docid) AS receiptid
  FROM (SELECT companyid, shopid, customerid, currency, source AS doctype, docid, max(docday - 3, 0) AS vday,
               round(amount * 0.3, 2) AS amount, 0 AS dummyreceiptid
          FROM demo_docs WHERE source <> 'DCN' AND kind <> 'RE' AND docid % 7 = 3
        UNION ALL
        SELECT companyid, NULL, customerid, currency, 'OPEN', invoiceid, 60 + invoiceid % 40,
               round(total * CASE WHEN invoiceid % 10 = 7 THEN 1 ELSE 0.2 END, 2), 0
          FROM demo_openings WHERE invoiceid % 3 = 0 OR invoiceid % 10 = 7
        UNION ALL
        SELECT r.companyid, r.shopid, r.customerid, r.currency, r.doctype, r.docid,
               max(r.rday - 2, 0), r.settled, r.drid
          FROM demo_receipts r
          JOIN LosDummyReceiptHeader h ON h.drShopid = r.shopid AND h.drID = r.drid
         WHERE r.kind = 'S' AND h.drposted = 1 AND r.drid % 4 = 0) x;

INSERT INTO receiptvoucherheader (companyid, receiptid, receiptno, receiptdate, CustomerID, currencyid,
                                  amount, dummyreceiptid, remarks, cancelled)
SELECT v.companyid, v.receiptid, printf('HQ/RV/%05d', v.receiptid), d.day, v.customerid, v.currency, v.amount,
       v.dummyreceiptid,
       CASE WHEN v.dummyreceiptid > 0 THEN 'Taken over from shop receipt' ELSE 'Received at head office' END,
       v.receiptid % 17 = 5
  FROM demo_vouchers v JOIN demo_calendar d ON d.daysago = v.vday;

INSERT INTO receiptvoucherdetails (companyid, receiptid, voucherline, shopid, amountreceived,
                                   hqaccountsinvoiceid, posinvoiceid, posspinvoiceid, Posserviceinvoiceid,
                                   RoomBillID, UtilityBillID, fineid, fandbInvoiceID)
SELECT companyid, receiptid, 1, shopid, amount, CASE doctype WHEN 'OPEN' THEN docid END,
       CASE doctype WHEN 'PCI' THEN docid END, CASE doctype WHEN 'PDI' THEN docid END,
       CASE WHEN doctype IN ('PSI', 'SBI') THEN docid END, CASE doctype WHEN 'RBI' THEN docid END,
       CASE doctype WHEN 'UTB' THEN docid END, CASE doctype WHEN 'FINE' THEN docid END,
       CASE doctype WHEN 'fandb' THEN docid END
  FROM demo_vouchers;

CREATE TEMP TABLE demo_settlements AS
SELECT x.*, row_number() OVER (PARTITION BY companyid ORDER BY sday DESC, doctype, docid) AS csid
  FROM (SELECT companyid, shopid, customerid, source AS doctype, docid, max(docday - 5, 0) AS sday,
               round(amount * 0.25, 2) AS amount
          FROM demo_docs WHERE source <> 'DCN' AND kind <> 'RE' AND docid % 11 = 4
        UNION ALL
        SELECT companyid, NULL, customerid, 'OPEN', invoiceid, 50 + invoiceid % 30, round(total * 0.2, 2)
          FROM demo_openings WHERE invoiceid % 4 = 2 AND invoiceid % 10 <> 7) x;

INSERT INTO customersettlementheader (CompanyID, CSID, csno, csdate, customerid, remarks, cancelled)
SELECT s.companyid, s.csid, printf('CS/%04d', s.csid), d.day, s.customerid, 'Set off against credit note',
       s.csid % 9 = 4
  FROM demo_settlements s JOIN demo_calendar d ON d.daysago = s.sday;

INSERT INTO customersettlementdetail (CompanyID, CSID, settlementline, shopid, settlementamount,
                                      ACCinvoiceid, posinvoiceid, posspinvoiceid, Posserviceinvoiceid,
                                      RoomBillID, UtilityBillID, fineid, fandbInvoiceID)
SELECT companyid, csid, 1, shopid, amount, CASE doctype WHEN 'OPEN' THEN docid END,
       CASE doctype WHEN 'PCI' THEN docid END, CASE doctype WHEN 'PDI' THEN docid END,
       CASE WHEN doctype IN ('PSI', 'SBI') THEN docid END, CASE doctype WHEN 'RBI' THEN docid END,
       CASE doctype WHEN 'UTB' THEN docid END, CASE doctype WHEN 'FINE' THEN docid END,
       CASE doctype WHEN 'fandb' THEN docid END
  FROM demo_settlements;

------------------------------------------------------------------------------------------------------------
-- Stored layouts and the colour scheme.
------------------------------------------------------------------------------------------------------------

INSERT INTO alistviewheader (lvwid, lvwtransname, lvwname, lvwmodulename) VALUES
    (1, 'posReceipts', 'lvwInvoice', 'frmReceiptShop'),
    (2, 'posReceipts', 'lvwOpeningInvoices', 'frmReceiptShop'),
    (3, 'posInvoice', 'lvwItems', 'frmInvoiceShop');

INSERT INTO alistviewdetails (lvwdid, lvwcolid, lvwdcolwidth, lvwdcolalign) VALUES
    (1, 1, 700, 0), (1, 2, 2400, 0), (1, 3, 2200, 0), (1, 4, 2500, 0),
    (1, 5, 1700, 1), (1, 6, 1700, 1), (1, 7, 0, 0), (1, 8, 3000, 0),
    (2, 1, 700, 0), (2, 2, 2000, 0), (2, 3, 1800, 0), (2, 4, 1800, 0),
    (2, 5, 1500, 0), (2, 6, 1700, 1), (2, 7, 1700, 1), (2, 8, 0, 0),
    (3, 1, 600, 0), (3, 2, 3000, 0), (3, 3, 1200, 1), (3, 4, 1500, 1);

INSERT INTO aFormColor (formname, backcolor, forecolor) VALUES ('*', 15790320, 0);

DROP TABLE demo_calendar;
DROP TABLE demo_kinds;
DROP TABLE demo_shopcodes;
DROP TABLE demo_ratetexts;
DROP TABLE demo_docs;
DROP TABLE demo_openings;
DROP TABLE demo_receipts;
DROP TABLE demo_shopusers;
DROP TABLE demo_vouchers;
DROP TABLE demo_settlements;
