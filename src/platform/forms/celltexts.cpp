// Cell texts in blocks: a text is copied once into the last block, or into a new one when it does not fit.
#include "celltexts.h"

#include <algorithm>

namespace forms {

CellTexts::Place CellTexts::add(QStringView text) {
    if (text.isEmpty()) return {};
    const qsizetype length = text.size();
    if (length > BlockSize - used_) {
        blocks_.push_back(std::make_unique_for_overwrite<char16_t[]>(std::max(length, BlockSize)));
        used_ = 0;
    }
    const Place place{quint32(blocks_.size() - 1), quint32(used_), quint32(length)};
    std::copy(text.utf16(), text.utf16() + length, blocks_.back().get() + used_);
    used_ = length > BlockSize ? BlockSize : used_ + length;
    return place;
}

QStringView CellTexts::text(Place place) const {
    if (place.length == 0) return {};
    return QStringView(blocks_[place.block].get() + place.start, qsizetype(place.length));
}

void CellTexts::clear() {
    blocks_.clear();
    used_ = BlockSize;
}

} // namespace forms
