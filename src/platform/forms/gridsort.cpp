// The grid's Sort: a stable sort of a row range by a run of key columns.
#include "controlhelpers.h"
#include "grid.h"
#include "platform/core/conversions.h"

#include <algorithm>
#include <numeric>

namespace forms {

namespace {

// How a sort compares two key cells, in the order of the sort codes: each has an ascending code and a
// descending one after it.
enum class Comparison {
    Generic,    // two numbers as numbers, anything else as text without regard to case
    Numeric,    // the numbers the texts start with
    TextNoCase, // as text without regard to case
    Text,       // as text with regard to case
};

// One key cell, with its number read once before sorting.
struct SortKey {
    QStringView text;
    double number = 0;
    bool numeric = false;
};

SortKey sortKey(QStringView text, Comparison comparison) {
    SortKey key{text};
    if (comparison == Comparison::Numeric) {
        key.numeric = true;
        key.number = core::val(text.toString());
    } else if (comparison == Comparison::Generic && !text.isEmpty()) {
        const QString written = text.toString();
        key.numeric = core::isNumeric(written);
        if (key.numeric) key.number = core::toDouble(written);
    }
    return key;
}

int compareKeys(const SortKey& a, const SortKey& b, Comparison comparison) {
    if (a.numeric && b.numeric) return (a.number > b.number) - (a.number < b.number);
    const bool noCase = comparison == Comparison::Generic || comparison == Comparison::TextNoCase;
    return a.text.compare(b.text, noCase ? Qt::CaseInsensitive : Qt::CaseSensitive);
}

} // namespace

void Grid::sort(int code) {
    if (code < SortGenericAscending || code > SortStringDescending) throw invalidValue();
    const auto comparison = Comparison((code - SortGenericAscending) / 2);
    const bool descending = (code - SortGenericAscending) % 2 == 1;
    const int first = row_ == rowSel_ ? fixedRows_ : std::min(row_, rowSel_);
    const int last = row_ == rowSel_ ? rows_ - 1 : std::max(row_, rowSel_);
    const int firstKey = std::min(col_, colSel_), lastKey = std::max(col_, colSel_);
    const int count = last - first + 1, keyCount = lastKey - firstKey + 1;
    if (count < 2) return;

    std::vector<SortKey> keys;
    keys.reserve(size_t(count) * keyCount);
    for (int row = first; row <= last; ++row)
        for (int col = firstKey; col <= lastKey; ++col)
            keys.push_back(sortKey(textOf(cellAt(row, col)), comparison));

    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        for (int k = 0; k < keyCount; ++k) {
            int difference =
                compareKeys(keys[size_t(a) * keyCount + k], keys[size_t(b) * keyCount + k], comparison);
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
