// The texts of a grid's cells, kept one after another in large blocks rather than in an allocation of their
// own: a register of a million receipts holds millions of short texts.
#pragma once

#include <QStringView>
#include <memory>
#include <vector>

namespace forms {

class CellTexts {
public:
    // Where a text is kept; the empty text is kept nowhere. A place stays valid until clear().
    struct Place {
        quint32 block = 0;
        quint32 start = 0;
        quint32 length = 0;
    };

    Place add(QStringView text);
    QStringView text(Place place) const;
    // Forgets every text at once.
    void clear();

private:
    static constexpr qsizetype BlockSize = qsizetype(1) << 16;
    std::vector<std::unique_ptr<char16_t[]>> blocks_;
    // Characters used of the last block; a text longer than a block has a block of its own, counted full.
    qsizetype used_ = BlockSize;
};

} // namespace forms
