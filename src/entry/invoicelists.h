// The columns of the entry window's two invoice lists; column 0 is the running number.
#pragma once

namespace entry {

struct InvoiceListColumns {
    int kind;
    int number;
    int amount;
    int settlement;
    int id;
};

constexpr InvoiceListColumns ShopListColumns{1, 2, 4, 5, 6};
constexpr InvoiceListColumns OpeningListColumns{1, 2, 5, 6, 7};
constexpr int ShopDateColumn = 3;
constexpr int ShopRemarksColumn = 7;
constexpr int OpeningReferenceColumn = 3;
constexpr int OpeningDateColumn = 4;

} // namespace entry
