// Facts of the demo data set loaded for a fixed day: a shop that works out of the box, consistent books.
#include "shopdatabasetest.h"

namespace {

// Loaded for 10/03/2024: shop 1 (30 back days) last closed on 18/02, shop 3 (60 back days) on 03/03, shops 2
// (14 back days) and 4 (30 back days) never; so what was taken after 03/03 and after the shop's last closing
// is in its register. Each query counts what must be so, or what must not be.
const std::pair<const char*, long long> facts[] = {
    {"select count(distinct drShopid) from LosDummyReceiptHeader h left join vwshopCloseDate c on c.shopid = "
     "h.drShopid where drdate > '20240303' and (closedate is null or drdate > closedate)",
     4},
    {"select count(*) from LosDummyReceiptHeader where drdate > '20240310'", 0},
    {"select min(count(*), 10) from LosDummyReceiptHeader, vwshopCloseDate where drShopid = 1 and shopid = 1 "
     "and closedate = '20240218' and drdate > closedate",
     10},
    {"select count(*) from acustomermaster c where not exists (select 1 from ExchangeRateDetail e where "
     "e.CompanyID = c.CompanyID and e.CurrencyID = c.CurrencyID)",
     0},
    {"select count(distinct drShopid) from LosDummyReceiptHeader where drCancelled = 1", 4},
    {"select count(*) from LosDummyReceiptHeader where drCancelled = 1 and isnull(drCancelledRemarks, '') = "
     "'' or drCancelled = 0 and drCancelledRemarks is not null",
     0},
    {"select count(*) from LosDummyReceiptHeader h left join vwshopCloseDate c on c.shopid = h.drShopid "
     "where drposted = 1 and (drCancelled = 1 or closedate is null or drdate > closedate) or drposted = 0 "
     "and drCancelled = 0 and drdate <= closedate",
     0},
    {"select count(*) - 2 * (select count(*) from LosDummyReceiptHeader where drposted = 1) + case when "
     "abs(sum(debit) - sum(credit)) < 0.005 then 0 else 1000 end from aGeneralLedger",
     0},
    {"select count(distinct type) from vwTotalInvoiceReceiptAmount where invoiceamt > settled and type in "
     "('PCI', 'PSI', 'PDI', 'RBI', 'UTB', 'SBI', 'FINE', 'fandb')",
     8},
};

class DemoTest : public dbtest::ShopDatabaseTest {};

TEST_F(DemoTest, holdsAWorkingShopOnTheDayItWasLoadedFor) {
    db::loadDemo(connection, QDate(2024, 3, 10));
    for (const auto& [query, expected] : facts)
        EXPECT_EQ(count(query), expected) << query;
}

} // namespace
