// The columns of the entry window's two invoice lists, which list shows which document list, and how the
// lists and the totals show an amount. Column 0 is the running number.
#pragma once

#include "receipt.h"

#include "platform/core/conversions.h"

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

inline const InvoiceListColumns& columnsOf(DocumentList list) {
    return list == DocumentList::Shop ? ShopListColumns : OpeningListColumns;
}

// Two decimals with the regional decimal point, no thousands separator.
inline QString shownAmount(Money amount) {
    return amount.text(core::regional().decimalPoint);
}

} // namespace entry
