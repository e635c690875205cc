// The grid's Sort: a stable sort of a row range by a run of key columns.
#include "grid.h"
#include "internal.h"
#include "platform/core/conversions.h"

#include <algorithm>
#include <numeric>

namespace forms {

namespace {

// One key cell, with its number read once before sorting.
struct SortKey {
    const QString* text;
    double number = 0;
    bool numeric = false;
};

SortKey sortKey(const QString& text, bool generic) {
    SortKey key{&text};
    if (generic && !text.isEmpty() && core::isNumeric(text)) {
        key.numeric = true;
        key.number = core::toDouble(text);
    }
    return key;
}

// Generic sorts compare two numbers as numbers and anything else as text without regard to case;
// string sorts compare the texts with regard to case.
int compareKeys(const SortKey& a, const SortKey& b, bool generic) {
    if (a.numeric && b.numeric) return (a.number > b.number) - (a.number < b.number);
    return a.text->compare(*b.text, generic ? Qt::CaseInsensitive : Qt::CaseSensitive);
}

} // namespace

void Grid::sort(int code) {
    if (code != SortGenericAscending && code != SortGenericDescending && code != SortStringAscending &&
        code != SortStringDescending)
        throw invalidValue();
    const bool generic = code == SortGenericAscending || code == SortGenericDescending;
    const bool descending = code == SortGenericDescending || code == SortStringDescending;
    const int first = row_ == rowSel_ ? fixedRows_ : std::min(row_, rowSel_);
    const int last = row_ == rowSel_ ? rows_ - 1 : std::max(row_, rowSel_);
    const int firstKey = std::min(col_, colSel_), lastKey = std::max(col_, colSel_);
    const int count = last - first + 1, keyCount = lastKey - firstKey + 1;
    if (count < 2) return;

    std::vector<SortKey> keys;
    keys.reserve(size_t(count) * keyCount);
    for (int row = first; row <= last; ++row)
        for (int col = firstKey; col <= lastKey; ++col)
            keys.push_back(sortKey(cellAt(row, col).text, generic));

    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        for (int k = 0; k < keyCount; ++k) {
            int difference =
                compareKeys(keys[size_t(a) * keyCount + k], keys[size_t(b) * keyCount + k], generic);
            if (difference != 0) return descending ? difference > 0 : difference < 0;
        }
        return false;
    });

    // Whole rows move, so every cell keeps its colour.
    std::vector<Cell> sorted;
    sorted.reserve(size_t(count) * cols_);
    for (int index : order)
        for (int col = 0; col < cols_; ++col)
            sorted.push_back(std::move(cells_[size_t(first + index) * cols_ + col]));
    std::move(sorted.begin(), sorted.end(), cells_.begin() + size_t(first) * cols_);
    changed();
}

} // namespace forms
