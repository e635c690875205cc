// The columns of the register grid's rows.
#pragma once

namespace shared::gridcol {
constexpr int ReceiptId = 0; // hidden; the receipt every command works on
constexpr int ReceiptNo = 1;
constexpr int ReceiptDate = 2;
constexpr int Customer = 3;
constexpr int Amount = 4;
constexpr int Cancelled = 5; // "Yes" or "No"
} // namespace shared::gridcol
