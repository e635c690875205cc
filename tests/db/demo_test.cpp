// Tests of the demo data set: that it loads and reads as a working shop for the module's statements.
#include "db/shopdatabase.h"

#include "documentkinds.h"
#include "shopdatabasetest.h"

#include <QDate>
#include <QMap>
#include <QSet>

using dbtest::ShopDatabaseTest;

namespace {

// The register's grid query; %1 is the date bound, %2 the shop.
const QString gridQuery =
    "select drid,drno,drdate,customername,dramount, case drcancelled when 1 then 'Yes' "
    "when 0 then 'No' end from LosDummyReceiptHeader,acustomermaster where drcustomerid = "
    "customerid and drdate>'%1' and drshopid=%2 order by drid";

class DemoTest : public ShopDatabaseTest {
protected:
    void SetUp() override {
        ShopDatabaseTest::SetUp();
        db::loadDemo(connection);
    }
    // The register's lower date bound of a shop today: the back-days window, never at or before the last
    // closing.
    QDate registerBound(int shop) const {
        QDate from = QDate::currentDate().addDays(
            -scalar(QString("select sNoofBackDays from LOsSettings where  shopid=%1").arg(shop)).toInt());
        QVariant closed = scalar(QString("select closedate from vwshopCloseDate where  shopid=%1").arg(shop));
        return closed.isNull() ? from : std::max(from, closed.toDateTime().date());
    }
    QString registerQuery(int shop) const {
        return gridQuery.arg(registerBound(shop).toString("yyyyMMdd")).arg(shop);
    }
    QString prefixOf(int shop) const {
        return scalar(QString("SELECT Prefix FROM aPrefix WHERE InterfaceID = 1505 and shopid=%1 and "
                              "financialid = 1")
                          .arg(shop))
            .toString();
    }
    QList<int> shops() const {
        QList<int> ids;
        for (const QString& id : texts("select shopid from ashops order by shopid"))
            ids << id.toInt();
        return ids;
    }
};

TEST_F(DemoTest, hasTwoCompaniesAndFourShopsEachWithItsOwnReceiptPrefix) {
    EXPECT_EQ(count("select count(*) from acompanymaster"), 2);
    EXPECT_EQ(shops(), (QList<int>{1, 2, 3, 4}));
    EXPECT_EQ(count("select count(distinct companyid) from ashops"), 2);
    QSet<QString> prefixes;
    for (int shop : shops())
        prefixes.insert(prefixOf(shop));
    EXPECT_EQ(prefixes.size(), 4);
    EXPECT_FALSE(prefixes.contains(QString()));
}

TEST_F(DemoTest, shopOneOfCompanyOneWorksForUserOneOutOfTheBox) {
    EXPECT_EQ(scalar("select companyid from ashops where shopid = 1").toInt(), 1);
    EXPECT_EQ(scalar("select CounterLogin from aShops where ShopId=1").toInt(), 0);
    EXPECT_EQ(scalar("select username from LOUSERS where userid=1 and shopid = 1").toString(), "ahmed");
    EXPECT_EQ(
        scalar("select functionrights from louserrights where userid = 1 and interfaceid = 1505").toString(),
        "NEDUP");
    EXPECT_GE(rows(registerQuery(1)).size(), 10);
    EXPECT_FALSE(
        scalar("select depcurrencyid from adepartmentMaster where DepartmentID=1 and CompanyID=1").isNull());
}

TEST_F(DemoTest, anotherShopWorksWithCounterLogin) {
    QStringList counterShops = texts("select shopid from ashops where CounterLogin = 1");
    ASSERT_EQ(counterShops.size(), 1);
    EXPECT_NE(counterShops[0], "1");
    EXPECT_GE(count("select count(*) from aCounterMaster where shopid = " + counterShops[0]), 2);
}

TEST_F(DemoTest, usersCoverEveryKindOfRights) {
    QMap<QString, QString> rights;
    for (const QVariantList& row :
         rows("select u.username, r.FunctionRights from LOusers u left join louserrights r "
              "on r.userid = u.userid and r.interfaceid = 1505 where u.shopid = 1"))
        rights[row[0].toString()] = row[1].isNull() ? "(none)" : row[1].toString();
    EXPECT_EQ(rights, (QMap<QString, QString>{{"ahmed", "NEDUP"},
                                              {"fathimath", "NEP"},
                                              {"ibrahim", "ednup"},
                                              {"supervisor", "ADMIN"},
                                              {"mariyam", "(none)"}}));
}

TEST_F(DemoTest, customersUseThreeCurrenciesEachWithARateInEveryCompany) {
    EXPECT_GE(count("select count(*) from acustomermaster"), 40);
    EXPECT_EQ(count("select count(distinct CurrencyID) from acustomermaster"), 3);
    EXPECT_EQ(
        count("select count(*) from acustomermaster c where not exists (select 1 from ExchangeRateDetail e "
              "where e.CompanyID = c.CompanyID and e.CurrencyID = c.CurrencyID)"),
        0);
    EXPECT_GT(count("select count(*) from acustomermaster where Active = 0"), 0);
    EXPECT_EQ(
        count("select count(*) from acustomermaster c where not exists (select 1 from ashopcustomerdetails s "
              "where s.customerid = c.customerid)"),
        0);
}

TEST_F(DemoTest, registerShowsRecentReceiptsButNotThoseAtOrBeforeItsBound) {
    QList<QVariantList> listed = rows(registerQuery(1));
    ASSERT_GE(listed.size(), 10);
    QDate bound = registerBound(1);
    for (const QVariantList& row : listed)
        EXPECT_GT(row[2].toDateTime().date(), bound);
    EXPECT_GE(listed.last()[2].toDateTime().date(), QDate::currentDate().addDays(-3));
    EXPECT_GE(count("select count(*) from LosDummyReceiptHeader where drshopid=1 and drdate<='" +
                    bound.toString("yyyyMMdd") + "'"),
              10);
    for (int shop : shops())
        EXPECT_FALSE(rows(registerQuery(shop)).isEmpty()) << "shop " << shop;
}

TEST_F(DemoTest, cancelledReceiptsCarryTheirReasonAndActiveOnesNone) {
    for (int shop : shops())
        EXPECT_GT(
            count(
                QString("select count(*) from LosDummyReceiptHeader where drShopid = %1 and drCancelled = 1")
                    .arg(shop)),
            0);
    EXPECT_EQ(count("select count(*) from LosDummyReceiptHeader where drCancelled = 1 and "
                    "ifnull(drCancelledRemarks, '') = ''"),
              0);
    EXPECT_EQ(count("select count(*) from LosDummyReceiptHeader where drCancelled = 0 and "
                    "drCancelledRemarks is not null"),
              0);
    EXPECT_GE(count("select count(*) from LosDummyReceiptHeader"), 250);
}

TEST_F(DemoTest, receiptNumbersAreTheShopsPrefixAndASequence) {
    for (int shop : shops()) {
        QString p = prefixOf(shop), length = QString::number(p.size());
        QString highest = "Select isnull(max(convert(int,right(drNo,len(drNo)-" + length +
                          "))),0) from LosDummyReceiptHeader where  len(drNo)>len('" + p + "') and " +
                          " isnumeric(isnull(right(drNo,len(drNo)-" + length +
                          "),0)) =1 and substring(drNo,1,len('" + p + "'))='" + p + "'";
        long long receipts =
            count(QString("select count(*) from LosDummyReceiptHeader where drShopid = %1").arg(shop));
        EXPECT_EQ(count(highest), receipts) << "shop " << shop;
        EXPECT_EQ(
            count(QString("select count(distinct drNo) from LosDummyReceiptHeader where drShopid = %1 and "
                          "substr(drNo, 1, %2) = '%3'")
                      .arg(shop)
                      .arg(p.size())
                      .arg(p)),
            receipts);
    }
}

TEST_F(DemoTest, receiptsUpToTheLastClosingArePostedWithBalancedLedgerLines) {
    EXPECT_EQ(
        count("select count(*) from LosDummyReceiptHeader h join vwshopCloseDate c on c.shopid = h.drShopid "
              "where h.drCancelled = 0 and h.drdate <= c.closedate and h.drposted = 0"),
        0);
    EXPECT_EQ(count("select count(*) from LosDummyReceiptHeader h left join vwshopCloseDate c "
                    "on c.shopid = h.drShopid where h.drposted = 1 and (c.closedate is null or h.drdate > "
                    "c.closedate)"),
              0);
    long long posted = count("select count(*) from LosDummyReceiptHeader where drposted = 1");
    EXPECT_GT(posted, 0);
    EXPECT_EQ(count("select count(*) from aGeneralLedger"), 2 * posted);
    EXPECT_NEAR(number("select sum(debit) - sum(credit) from aGeneralLedger"), 0.0, 1e-6);
    EXPECT_GT(count("select count(*) from receiptvoucherheader where dummyreceiptid > 0"), 0);
}

TEST_F(DemoTest, everyKindHasOutstandingDocumentsAndNoneIsSettledBeyondItsAmount) {
    QSet<QString> open;
    for (const QVariantList& link :
         rows("select s.shopid, s.customerid, h.companyid from ashopcustomerdetails s "
              "join ashops h on h.shopid = s.shopid")) {
        int shop = link[0].toInt(), company = link[2].toInt();
        for (const QVariantList& row : rows(dbtest::shopDocumentsQuery(shop, link[1].toInt()))) {
            dbtest::Kind kind = dbtest::kindOfCode(row[5].toString());
            double left =
                row[3].toDouble() - number(dbtest::receiptsSettledQuery(kind, row[0].toInt(), shop, company));
            EXPECT_GE(left, -0.005) << kind.code.toStdString() << " " << row[1].toString().toStdString();
            if (left > 0.005) open.insert(kind.code);
        }
    }
    EXPECT_EQ(open, (QSet<QString>{"PCI", "PSI", "PDI", "RBI", "UTB", "SBI", "FINE", "fandb"}));
}

TEST_F(DemoTest, openingInvoicesHaveServiceLinesAndHeadOfficePayments) {
    QString open = "select count(*) from AccountsInvoiceHeader a where cancelled = 0 and proforma = 0 and "
                   "cashinvoice = 0 and FinancialID=0";
    EXPECT_GE(count(open), 20);
    EXPECT_EQ(count(open +
                    " and not exists (select 1 from serviceinvoicedetails s where s.invoiceid = a.invoiceid "
                    "and s.companyid = a.companyid)"),
              0);
    EXPECT_GT(count("select count(*) from receiptvoucherdetails where hqaccountsinvoiceid is not null"), 0);
    EXPECT_GT(count("select count(*) from customersettlementdetail where ACCinvoiceid is not null"), 0);
    EXPECT_GT(count("select count(*) from LosDummyReceiptDetail where drdaccinvoiceid is not null"), 0);
    EXPECT_EQ(count("select count(*) from AccountsInvoiceHeader where cancelled = 1 or proforma = 1 or "
                    "cashinvoice = 1 or FinancialID <> 0"),
              4);
}

TEST_F(DemoTest, invoiceListLayoutIsStored) {
    QString layout =
        QString("select * from alistviewdetails where lvwdid=(select lvwid from alistviewheader where  ") +
        " ltrim(rtrim(upper(lvwtransname)))='POSRECEIPTS' and ltrim(rtrim(upper(lvwname)))='LVWINVOICE' "
        "and ltrim(rtrim(upper(lvwmodulename)))='FRMRECEIPTSHOP')";
    QList<QVariantList> columns = rows(layout);
    ASSERT_EQ(columns.size(), 8);
    EXPECT_EQ(columns[6][2].toInt(), 0) << "the id column stays hidden";
}

TEST_F(DemoTest, everyDateIsInTheCanonicalForm) {
    for (const QString& table :
         texts("select name from sqlite_master where type = 'table' and name not like 'sqlite%'"))
        for (const QString& column :
             texts("select name from pragma_table_info('" + table + "') where type = 'DATETEXT'"))
            EXPECT_EQ(count(QString("select count(*) from %1 where %2 is not null and "
                                    "ifnull(strftime('%Y-%m-%d %H:%M:%f', %2) = %2, 0) = 0")
                                .arg(table, column)),
                      0)
                << (table + "." + column).toStdString();
}

// Statements the module sends, with demo ids ({sales}: a sales invoice of shop 1); each must run, and those
// marked must find rows.
struct ModuleStatement {
    const char* sql;
    bool findsRows;
};

const ModuleStatement moduleStatements[] = {
    {"select functionrights from louserrights where userid = 1 and interfaceid = 1505", true},
    {"select sNoofBackDays from LOsSettings where  shopid=1", true},
    {"select futureint from ashops where  shopid=1", true},
    {"select miscsettings13 from ashops where  shopid=1", true},
    {"select CounterName from aCounterMaster where CounterId=3", true},
    {"select username from LOUSERS where userid=1 and shopid = 1", true},
    {"select alias from apackagesettings", true},
    {"select Alias from aalias where aliasid =1", true},
    {"select tc.columnheader,tc.columnname from atables t,atablecolumns tc where t.tableid = tc.tableid and "
     "tablename ='LosDummyReceiptHeader'",
     true},
    {"select * from LOsDummyReceiptHeader where  drshopid=1 and drid = '1'", true},
    {"select count(*) from losdummyreceiptdetail where drdid=1 And drdshopid = 1", true},
    {"select drcancelledremarks from losdummyreceiptheader where drId =1 And drShopid = 1", true},
    {"select drdbookserinvoiceid,drdinvoiceid, drdserviceinvoiceid,  drdsplinvoiceid, drdinvoiceamount, "
     "drdsettledamount, drdRoomBillID,  drdUtilityBillID,drdaccInvoiceID,drdFineid,drdfandbInvoiceID from "
     "losdummyreceiptdetail  where drdshopid = 1 and  drdid = '1' order by drddetailid",
     true},
    {"select invoiceid,invoiceno,invoicedate, Referenceno from  AccountsInvoiceHeader where  invoiceid = 1  "
     "and "
     "cashinvoice = 0 and companyid = 1  and FinancialID=0",
     true},
    {"select ihinvoiceno, ihinvoicedate,ihRemarks from losinvoiceheader where ihtype='I' and ihshopid = 1 "
     "and "
     "ihinvoiceid = {sales}",
     true},
    {"select aiinvoiceno, aiinvoicedate from losaccountsinvoiceheader where aishopid = 1 and aiinvoiceid = 1",
     true},
    {"select ihinvoiceno, ihinvoicedate from losspecialinvoiceheader where ihshopid = 1 and ihinvoiceid = 1",
     true},
    {"select abhBillNo, abhBillDate from losApartmentBillHeader where abhshopid = 4 and abhBillID= 1", true},
    {"select tbhBillNo, tbhBillDate from losTenantServiceBillHeader where tbhshopid = 4 and tbhBillID= 1",
     true},
    {"select serinvno, serinvhdate from losserviceinvheader where serinvhshopid = 1 and serinvhid= 5001",
     true},
    {"select fhfineno from afineheader where fhshopid = 2 and fhfineid= 1", true},
    {"select poshBillNo,poshBillDate from losPosFandBHeader where poshShopID = 4 and poshBillID= 1", true},
    {"select CurrencyID curID from acompanyMaster where companyID=1", true},
    {"select depcurrencyid curID from adepartmentMaster where DepartmentID=1 and CompanyID=1", true},
    {"select CurrencyID curID from avendorMaster where companyid=1 and vendorID=1", true},
    {"select CurrencyID curID from aaccountmaster where companyid=1 and accountid=1001", true},
    {"select CurrencyID curID from acustomermaster where CompanyID=1 and CustomerID=10", true},
    {"select currencyid curid from aaccountmaster a,apackagesettings b  Where accountid = inventoryid and "
     "a.companyid=b.companyid and a.companyid=1",
     true},
    {"select a.currencyid CurID,SellingRate from avendormaster a, ExchangeRateDetail b Where a.CompanyID = "
     "b.CompanyID And a.currencyid = b.CurrencyID and a.vendorID=1 and a.companyid=1",
     true},
    {"select a.currencyid CurID,SellingRate from acustomermaster a, ExchangeRateDetail b Where a.CompanyID = "
     "b.CompanyID And a.currencyid = b.CurrencyID and a.customerID=10 and a.companyid=1",
     true},
    {"select depcurrencyid CurID,SellingRate from aDepartmentMaster a, ExchangeRateDetail b Where "
     "a.CompanyID = "
     "b.CompanyID And a.depcurrencyid = b.CurrencyID and a.DepartmentID=1 and a.companyid=1",
     true},
    {"select a.currencyid CurID,SellingRate from aaccountmaster a, ExchangeRateDetail b Where a.CompanyID = "
     "b.CompanyID And a.currencyid = b.CurrencyID and a.accountID=1001 and a.companyid=1",
     true},
    {"select a.CurrencyID CurID,SellingRate from acompanymaster a, ExchangeRateDetail b  Where a.CompanyID = "
     "b.CompanyID And a.currencyid = b.CurrencyID  and a.Companyid=1",
     true},
    {"select a.CashGroupID CurID,SellingRate from aSettings a, ExchangeRateDetail b  Where a.CompanyID = "
     "b.CompanyID And a.CashGroupID = b.CurrencyID  and a.companyid=1",
     true},
    {"select m.Currencyid CurID,SellingRate from aCurrencymaster m,  exchangeratedetail e where m.currencyid "
     "= "
     "e.currencyid and m.companyid =  e.companyid and e.Currencyid = 3 and e.Companyid = 1",
     true},
    {"select a.currencyid CurID,SellingRate from   aaccountmaster a,apackagesettings b, ExchangeRateDetail c "
     "Where "
     "a.accountid = b.inventoryid And a.companyid = b.companyid and a.currencyid=c.currencyid and "
     "a.companyid=1",
     true},
    {"select ED.sellingrate from  ExchangeRate EH, ExchangeRateDetail ED where EH.CompanyID =  ED.CompanyID "
     "and "
     "EH.ExchangeID = ED.ExchangeID and  EH.CompanyID = 1  and ED.CurrencyID = 2",
     true},
    {"select ED.sellingrate from ExchangeRate EH, ExchangeRatEDetail ED  where EH.CompanyID = ED.CompanyID "
     "and  "
     "EH.ExchangeID = ED.ExchangeID and  EH.CompanyID = 1  and ED.CurrencyID = 3",
     true},
    {"select currencyid from acompanymaster where Companyid=1", true},
    {"select cashgroupid from asettings where companyid=1", true},
    {"select depcurrencyid from adepartmentmaster where Companyid=1", true},
    {"select symbol from acurrencymaster where currencyid=1", true},
    {"select departmentid from ashops where shopid= 1", true},
    {"select c.customerid, c.customername+'--->'+b.currencyname from ashopcustomerdetails s, aCustomermaster "
     "c,"
     "acurrencymaster b where c.customerid = s.customerid and s.shopid = 1 and c.currencyid=b.currencyid and "
     "c.Active=1",
     true},
    {"select currencyid, currencyname from acurrencymaster", true},
    {"select ihcustomerid, ihexchangerates from losinvoiceheader where ihinvoiceid=1 and ihshopid= 1", true},
    {"select DepartmentID from aShops where shopId= 1", true},
    {"select invoiceid,invoiceno,invoicedate,isnull(discount,0) discount, datediff(day,'20261206',"
     "dateadd(day,dueperiod,invoicedate)) as dueperiod,product, Referenceno from  AccountsInvoiceHeader "
     "where  "
     "cancelled = 0 and proforma = 0 and  cashinvoice = 0 and companyid = 1  and customerid = 2 and "
     "departmentid = 1 and FinancialID=0",
     true},
    {" select isnull(sum(serviceqty * amount),0) prodamount  from serviceinvoicedetails where invoiceid = 1  "
     "and "
     "companyid = 1 ",
     true},
    {"select isnull(sum(amountreceived),0) as amt from receiptvoucherdetails rd,receiptvoucherheader rh "
     "where "
     "rd.companyid = 1 and  rd.receiptid = rh.receiptid and rd.companyid = rh.companyid and  cancelled = 0 "
     "and "
     "hqaccountsinvoiceid = 3 and CustomerID=5",
     true},
    {"select IsNull(Sum(settlementamount), 0) from customersettlementheader csh,customersettlementdetail csd "
     "where "
     " csh.CSID=csd.CSID and csh.CompanyID=csd.CompanyID and  csh.companyid=1 And csd.ACCinvoiceid =2  and "
     "csh.cancelled=0",
     true},
    {"select isnull(sum(drdsettledamount),0) as amt  from losdummyreceiptdetail rd,losdummyreceiptheader rh "
     "where  "
     "rd.drdid = rh.drid and rh.drcancelled = 0 and rd.drdshopid= rh.drshopid and drdaccInvoiceID =1 and "
     "rd.drdshopid=1 and  rh.drid not in(select rh.dummyreceiptid from receiptvoucherdetails "
     "rd,receiptvoucherheader "
     "rh where rd.companyid = 1 and  rd.receiptid = rh.receiptid and rd.companyid = rh.companyid and "
     "cancelled = 0  "
     "and hqaccountsinvoiceid = 1 )",
     true},
    {"SELECT Prefix FROM aPrefix WHERE InterfaceID = 1505 and shopid=1 and financialid = 1", true},
    {"select CURRENT_TIMESTAMP", true},
    {"select * from LosDummyReceiptHeader where drshopid=1", true},
    {"select * from LosDummyReceiptDetail where drdshopid=1", true},
    {"select "
     "drshopid,drcompanyid,drno,drdate,drbankname,drremarks,drchequeno,drchequedate,dramount,customername, "
     "s.shopname, s.address, s.shoplocation,  s.telephoneno,s.faxno from losdummyreceiptheader dh, "
     "acustomermaster "
     "c , ashops s where drcustomerid=customerid and s.shopid=dh.drshopid and s.companyid=dh.drcompanyid and "
     "dh.drcompanyid=c.companyid and dh.drcompanyid=1 and dh.drshopid=1 and dh.drId=1",
     true},
    {"select name from acompanymaster", true},
    {"select Address1 from acompanymaster", true},
    {"select username from lousers where userID=1 and shopid=1", true},
    {"select UserName from lousers where userid=1", true},
};

TEST_F(DemoTest, moduleStatementsRunAndFindTheirRows) {
    QString salesInvoice =
        scalar("select min(ihinvoiceid) from losinvoiceheader where ihshopid = 1 and ihtype = 'I'")
            .toString();
    for (const ModuleStatement& statement : moduleStatements) {
        QString sql = QString::fromUtf8(statement.sql).replace("{sales}", salesInvoice);
        try {
            EXPECT_EQ(!rows(sql).isEmpty(), statement.findsRows) << statement.sql;
        } catch (const rt::RuntimeError& error) {
            ADD_FAILURE() << statement.sql << ": " << error.description().toStdString();
        }
    }
}

TEST_F(DemoTest, alreadySettledSumRunsForEveryKindAndForOtherCodes) {
    for (const char* code : {"PCI", "PSI", "PDI", "RBI", "UTB", "SBI", "FINE", "fandb", "DCN"})
        EXPECT_NO_THROW(scalar(dbtest::receiptsSettledQuery(dbtest::kindOfCode(code), 1, 1, 1))) << code;
}

} // namespace
