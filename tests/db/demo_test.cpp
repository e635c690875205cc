// Facts of the demo data set loaded for a fixed day: a shop that works out of the box, consistent books.
#include "shopdatabasetest.h"

namespace {

// Each query answers, as its values blank-separated row after row, what must be so, or counts what must not
// be. Loaded for 10/03/2024: shop 1 (30 back days) last closed on 18/02, shop 3 (60 back days) on 03/03,
// shops 2 (14 back days) and 4 (30 back days) never; so what was taken after 03/03 and after the shop's last
// closing is in its register.
const std::pair<const char*, const char*> facts[] = {
    {"select count(distinct drShopid) from LosDummyReceiptHeader h left join vwshopCloseDate c on c.shopid = "
     "h.drShopid where drdate > '20240303' and (closedate is null or drdate > closedate)",
     "4"},
    {"select count(*) from LosDummyReceiptHeader where drdate > '20240310'", "0"},
    {"select case when count(*) > 10 then 10 else count(*) end from LosDummyReceiptHeader, vwshopCloseDate "
     "where drShopid = 1 and shopid = 1 "
     "and closedate = '20240218' and drdate > closedate",
     "10"},
    {"select count(*) from acustomermaster c where not exists (select 1 from ExchangeRateDetail e where "
     "e.CompanyID = c.CompanyID and e.CurrencyID = c.CurrencyID)",
     "0"},
    {"select count(distinct drShopid) from LosDummyReceiptHeader where drCancelled = 1", "4"},
    {"select count(*) from LosDummyReceiptHeader where drCancelled = 1 and isnull(drCancelledRemarks, '') = "
     "'' or drCancelled = 0 and drCancelledRemarks is not null",
     "0"},
    {"select count(*) from LosDummyReceiptHeader h left join vwshopCloseDate c on c.shopid = h.drShopid "
     "where drposted = 1 and (drCancelled = 1 or closedate is null or drdate > closedate) or drposted = 0 "
     "and drCancelled = 0 and drdate <= closedate",
     "0"},
    {"select count(*) - 2 * (select count(*) from LosDummyReceiptHeader where drposted = 1) + case when "
     "abs(sum(debit) - sum(credit)) < 0.005 then 0 else 1000 end from aGeneralLedger",
     "0"},
    {"select count(distinct type) from vwTotalInvoiceReceiptAmount where invoiceamt > settled and type in "
     "('PCI', 'PSI', 'PDI', 'RBI', 'UTB', 'SBI', 'FINE', 'fandb')",
     "8"},
    // Three currencies; rights on the receipts of every kind: full, partial, in lower case, ADMIN, none.
    {"select count(distinct CurrencyID) from acustomermaster", "3"},
    {"select isnull(FunctionRights, '-') from LOusers u left join louserrights r on r.userid = u.userid and "
     "interfaceid = 1505 where u.shopid = 1 order by u.userid",
     "NEDUP NEP ednup ADMIN -"},
    // Opening invoices: open ones with service lines, paid three ways; one closed for each reason.
    {"select case when count(*) > 20 then 20 else count(*) end, sum(case when not exists (select 1 from "
     "serviceinvoicedetails s where s.invoiceid = a.invoiceid and s.companyid = a.companyid) then 1 else 0 "
     "end), (select case when exists (select 1 from receiptvoucherdetails where hqaccountsinvoiceid > 0) "
     "then 1 else 0 end), (select case when exists (select 1 from customersettlementdetail where "
     "ACCinvoiceid > 0) then 1 else 0 end), (select case when exists (select 1 from LosDummyReceiptDetail "
     "where drdaccinvoiceid > 0) then 1 else 0 end) from AccountsInvoiceHeader a where cancelled = 0 and "
     "proforma = 0 and cashinvoice = 0 and FinancialID = 0",
     "20 0 1 1 1"},
    {"select sum(cancelled), sum(proforma), sum(cashinvoice), sum(case when FinancialID <> 0 then 1 else 0 "
     "end) from AccountsInvoiceHeader where cancelled + proforma + cashinvoice + case when FinancialID <> 0 "
     "then 1 else 0 end = 1",
     "1 1 1 1"},
    // Both lists of the receipt window have a stored layout that hides the id column.
    {"select count(distinct lvwname), count(*), sum(case when lvwdcolwidth = 0 then 1 else 0 end) from "
     "alistviewheader "
     "join alistviewdetails on lvwdid = lvwid where lvwtransname = 'posReceipts' and lvwmodulename = "
     "'frmReceiptShop'",
     "2 16 2"},
};

class DemoTest : public dbtest::ShopDatabaseTest {
protected:
    QString values(const QString& sql) const {
        QStringList values;
        for (const QVariantList& row : rows(sql))
            for (const QVariant& value : row)
                values << value.toString();
        return values.join(' ');
    }
};

TEST_P(DemoTest, holdsAWorkingShopOnTheDayItWasLoadedFor) {
    db::loadDemo(connection, QDate(2024, 3, 10));
    std::vector<std::pair<QString, QString>> checks(std::begin(facts), std::end(facts));
    // Every date of every table is in the one stored form (the server stores dates as such).
    for (const QVariantList& date :
         !onSqlite()
             ? QList<QVariantList>()
             : rows("select m.name, d.name from sqlite_master m, pragma_table_info(m.name) d where d.type = "
                    "'DATETEXT'"))
        checks.emplace_back("select count(*) from " + date[0].toString() + " where " + date[1].toString() +
                                " is not strftime('%Y-%m-%d %H:%M:%f', " + date[1].toString() + ")",
                            "0");
    for (const auto& [query, expected] : checks)
        EXPECT_EQ(values(query), expected) << query.toStdString();
}

INSTANTIATE_TEST_SUITE_P(, DemoTest, dbtest::everyEngine, dbtest::engineName);

} // namespace
