-- Bulk data for benchmarks on PostgreSQL: the same rows as db/sqlite/generate.sql, customers, documents and
-- receipts of one shop, added to what is already there.
--
-- Arguments come from the temporary table gen_args(shopid, receipts, customers, documents, today): the shop,
-- the number of receipts, of new customers, of documents per new customer, and the last day as a date or a
-- 'yyyy-MM-dd' text.
-- A missing shop is created in the first company. Receipts are spread over the 365 days up to that day,
-- oldest first, the last on that day; every third is an advance, the others settle one document of their
-- customer by a share that never exceeds the document. Every 25th is cancelled. Ids continue after the
-- highest in use.

INSERT INTO ashops (shopid, companyid, departmentid, shopname, address, shoplocation, CounterLogin, futureint,
                    miscsettings13)
SELECT shopid, 1, (SELECT min(DepartmentID) FROM adepartmentMaster WHERE CompanyID = 1),
       'Bulk Shop ' || shopid, 'Bulk address', 'Bulk location', 0, 0, 'b'
  FROM gen_args
    ON CONFLICT DO NOTHING;
INSERT INTO LOsSettings (shopid, sNoofBackDays) SELECT shopid, 366 FROM gen_args ON CONFLICT DO NOTHING;
INSERT INTO aPrefix (InterfaceID, shopid, financialid, Prefix)
SELECT 1505, shopid, 1, 'BK' || shopid || '/' FROM gen_args
    ON CONFLICT DO NOTHING;

CREATE TEMP TABLE gen_ctx AS
SELECT a.shopid, a.receipts, a.customers, a.documents, a.today::date AS today, s.companyid, s.departmentid,
       coalesce((SELECT CurrencyID FROM acompanymaster WHERE companyID = s.companyid), 1) AS currency,
       coalesce((SELECT Prefix FROM aPrefix WHERE InterfaceID = 1505 AND shopid = a.shopid
                  ORDER BY financialid DESC LIMIT 1), '') AS prefix,
       coalesce((SELECT username FROM LOusers WHERE userid = 1 AND shopid = a.shopid),
                (SELECT username FROM LOusers WHERE userid = 1 ORDER BY shopid LIMIT 1), 'bulk') AS username,
       (SELECT coalesce(max(customerid), 0) FROM acustomermaster) AS lastcustomer,
       (SELECT coalesce(max(drID), 0) FROM LosDummyReceiptHeader WHERE drShopid = a.shopid) AS lastreceipt
  FROM gen_args a JOIN ashops s ON s.shopid = a.shopid;

WITH first(k, name) AS (VALUES (0, 'Ahmed'), (1, 'Aishath'), (2, 'Ali'), (3, 'Aminath'), (4, 'Hassan'),
                               (5, 'Fathimath'), (6, 'Ibrahim'), (7, 'Mariyam'), (8, 'Mohamed'), (9, 'Hawwa'),
                               (10, 'Moosa'), (11, 'Zeenath'), (12, 'Abdulla'), (13, 'Shifa'), (14, 'Adam'),
                               (15, 'Nisha')),
     last(k, name) AS (VALUES (0, 'Rasheed'), (1, 'Naseem'), (2, 'Waheed'), (3, 'Hameed'), (4, 'Saeed'),
                              (5, 'Zubair'), (6, 'Shareef'), (7, 'Latheef'), (8, 'Manik'), (9, 'Didi'),
                              (10, 'Riyaz'), (11, 'Naseer'), (12, 'Shafeeq'), (13, 'Ali'), (14, 'Adam'),
                              (15, 'Ibrahim'))
INSERT INTO acustomermaster (customerid, CompanyID, customercode, customername, CurrencyID, Active)
SELECT g.lastcustomer + n.i, g.companyid, 'B' || lpad((g.lastcustomer + n.i)::text, 6, '0'),
       f.name || ' ' || l.name || ' ' || lpad(n.i::text, 5, '0'), g.currency, 1
  FROM gen_ctx g
 CROSS JOIN generate_series(1, g.customers) n(i)
  JOIN first f ON f.k = n.i * 7 % 16
  JOIN last l ON l.k = n.i * 11 % 16;

INSERT INTO ashopcustomerdetails (shopid, customerid)
SELECT g.shopid, c.customerid FROM gen_ctx g JOIN acustomermaster c ON c.customerid > g.lastcustomer;

-- Documents cycle through the eight kinds a receipt settles; ids continue per source table.
CREATE TEMP TABLE gen_docs AS
WITH kinds(k, kind, code) AS (VALUES (0, 'PCI', 'INV'), (1, 'PSI', 'SRV'), (2, 'PDI', 'SPI'),
                                     (3, 'RBI', 'RB'), (4, 'UTB', 'UB'), (5, 'SBI', 'BSI'),
                                     (6, 'FINE', 'FIN'), (7, 'fandb', 'FB')),
     shop(id) AS (SELECT shopid FROM gen_ctx),
     lastids(kind, lastid) AS (
         SELECT 'PCI', max(ihinvoiceid) FROM losinvoiceheader, shop WHERE ihshopid = shop.id
         UNION ALL SELECT 'PSI', max(aiinvoiceid) FROM losaccountsinvoiceheader, shop WHERE aishopid = shop.id
         UNION ALL SELECT 'PDI', max(ihinvoiceid) FROM losspecialinvoiceheader, shop WHERE ihshopid = shop.id
         UNION ALL SELECT 'RBI', max(abhBillID) FROM losApartmentBillHeader, shop WHERE abhshopid = shop.id
         UNION ALL SELECT 'UTB', max(tbhBillID) FROM losTenantServiceBillHeader, shop
                    WHERE tbhshopid = shop.id
         UNION ALL SELECT 'SBI', max(serinvhid) FROM losserviceinvheader, shop WHERE serinvhshopid = shop.id
         UNION ALL SELECT 'FINE', max(fhfineid) FROM afineheader, shop WHERE fhshopid = shop.id
         UNION ALL SELECT 'fandb', max(poshBillID) FROM losPosFandBHeader, shop WHERE poshShopID = shop.id)
SELECT y.*, 'BK/' || y.code || '/' || y.docid AS docno
  FROM (SELECT x.*,
               coalesce(l.lastid, 0) + row_number() OVER (PARTITION BY x.kind ORDER BY customer, doc) AS docid
          FROM (SELECT g.shopid, g.companyid, n.i / g.documents AS customer, n.i % g.documents AS doc,
                       g.lastcustomer + 1 + n.i / g.documents AS customerid, k.kind, k.code,
                       g.today - (365 - n.i % g.documents * 365 / g.documents)::integer AS docdate,
                       1000 + (n.i * 13) % 500 AS amount
                  FROM gen_ctx g
                 CROSS JOIN generate_series(0, g.customers::bigint * g.documents - 1) n(i)
                  JOIN kinds k ON k.k = n.i % 8) x
          JOIN lastids l ON l.kind = x.kind) y;
CREATE INDEX gen_docs_customer ON gen_docs (customer, doc);

INSERT INTO losinvoiceheader (ihshopid, ihinvoiceid, ihcompanyid, ihtype, ihinvoiceno, ihinvoicedate,
                              ihcustomerid, ihnetamount)
SELECT shopid, docid, companyid, 'I', docno, docdate, customerid, amount FROM gen_docs WHERE kind = 'PCI';
INSERT INTO losaccountsinvoiceheader (aishopid, aiinvoiceid, aicompanyid, aiinvoiceno, aiinvoicedate,
                                      aicustomerid, ainetamount)
SELECT shopid, docid, companyid, docno, docdate, customerid, amount FROM gen_docs WHERE kind = 'PSI';
INSERT INTO losspecialinvoiceheader (ihshopid, ihinvoiceid, ihcompanyid, ihinvoiceno, ihinvoicedate,
                                     ihcustomerid, ihnetamount)
SELECT shopid, docid, companyid, docno, docdate, customerid, amount FROM gen_docs WHERE kind = 'PDI';
INSERT INTO losApartmentBillHeader (abhshopid, abhBillID, abhcompanyid, abhBillNo, abhBillDate, abhcustomerid,
                                    abhnetamount)
SELECT shopid, docid, companyid, docno, docdate, customerid, amount FROM gen_docs WHERE kind = 'RBI';
INSERT INTO losTenantServiceBillHeader (tbhshopid, tbhBillID, tbhcompanyid, tbhBillNo, tbhBillDate,
                                        tbhcustomerid, tbhnetamount)
SELECT shopid, docid, companyid, docno, docdate, customerid, amount FROM gen_docs WHERE kind = 'UTB';
INSERT INTO losserviceinvheader (serinvhshopid, serinvhid, serinvhcompanyid, serinvno, serinvhdate,
                                 serinvhcustomerid, serinvhnetamount)
SELECT shopid, docid, companyid, docno, docdate, customerid, amount FROM gen_docs WHERE kind = 'SBI';
INSERT INTO afineheader (fhshopid, fhfineid, fhcompanyid, fhfineno, fhfinedate, fhcustomerid, fhamount)
SELECT shopid, docid, companyid, docno, docdate, customerid, amount FROM gen_docs WHERE kind = 'FINE';
INSERT INTO losPosFandBHeader (poshShopID, poshBillID, poshCompanyID, poshBillNo, poshBillDate,
                               poshCustomerID, poshNetAmount)
SELECT shopid, docid, companyid, docno, docdate, customerid, amount FROM gen_docs WHERE kind = 'fandb';

-- Receipt n belongs to customer (n - 1) mod customers and settles that customer's documents in turn.
CREATE TEMP TABLE gen_receipts AS
SELECT g.lastreceipt + n.i AS drid, (n.i - 1) % g.customers AS customer,
       CASE WHEN g.documents > 0 AND n.i % 3 <> 0 THEN (n.i - 1) / g.customers % g.documents END AS doc,
       (g.today - ((g.receipts - n.i) * 365 / g.receipts)::integer)::timestamp(3) AS day,
       (n.i % 25 = 0)::integer AS cancelled
  FROM gen_ctx g
 CROSS JOIN generate_series(1, g.receipts::bigint) n(i);

INSERT INTO LosDummyReceiptHeader (drShopid, drID, drCompanyID, drTime, drNo, drRecadduser, drDepartmentid,
                                   drCounterID, drdate, drcustomerid, drbankname, drremarks, drchequeno,
                                   drchequedate, dramount, drreccurrencyid, drrecamount, drBankExchangeRate,
                                   drExchangeRate, drCancelled, drdepexRate, drexchangerates, drUserID,
                                   drCancelledRemarks)
SELECT g.shopid, r.drid, g.companyid,
       r.day + (30600 + r.drid * 7919 % 34000) * interval '1 second',
       g.prefix || r.drid, g.username, g.departmentid, NULL, r.day, g.lastcustomer + 1 + r.customer, 'Cash',
       CASE WHEN d.docid IS NULL THEN 'Advance payment' ELSE 'Payment against ' || d.docno END,
       'Cash', r.day, coalesce(s.settled, 100), g.currency, coalesce(s.settled, 0), 1, 1, r.cancelled, 1,
       g.currency || ':-1:', 1, CASE WHEN r.cancelled = 1 THEN 'Duplicate entry' END
  FROM gen_receipts r
  CROSS JOIN gen_ctx g
  LEFT JOIN gen_docs d ON d.customer = r.customer AND d.doc = r.doc
  LEFT JOIN (SELECT round(1000.0 / (1 + receipts / (customers * greatest(documents, 1))), 2) AS settled
               FROM gen_ctx) s ON d.docid IS NOT NULL;

INSERT INTO LosDummyReceiptDetail (drdshopid, drdid, drdDetailid, drdCompanyid, drdinvoiceid,
                                   drdserviceinvoiceid, drdsplinvoiceid, drdRoomBillID, drdUtilityBillID,
                                   drdbookserinvoiceid, drdfineid, drdfandbInvoiceID, drdinvoiceamount,
                                   drdsettledamount)
SELECT g.shopid, h.drID, 1, g.companyid,
       CASE d.kind WHEN 'PCI' THEN d.docid END, CASE d.kind WHEN 'PSI' THEN d.docid END,
       CASE d.kind WHEN 'PDI' THEN d.docid END, CASE d.kind WHEN 'RBI' THEN d.docid END,
       CASE d.kind WHEN 'UTB' THEN d.docid END, CASE d.kind WHEN 'SBI' THEN d.docid END,
       CASE d.kind WHEN 'FINE' THEN d.docid END, CASE d.kind WHEN 'fandb' THEN d.docid END,
       d.amount, h.drrecamount
  FROM gen_receipts r
  CROSS JOIN gen_ctx g
  JOIN gen_docs d ON d.customer = r.customer AND d.doc = r.doc
  JOIN LosDummyReceiptHeader h ON h.drShopid = g.shopid AND h.drID = r.drid;

DROP TABLE gen_receipts;
DROP TABLE gen_docs;
DROP TABLE gen_ctx;
