// The single table of a "select * from TABLE ..." statement.
#include "selectall.h"

#include "tokenlist.h"

namespace ado::dialect {

std::optional<QString> tableOfSelectAll(const QString& sql) {
    TokenList list(sql);
    if (!list.isWord(0, u"select") || !list.isSymbol(1, u"*") || !list.isWord(2, u"from"))
        return std::nullopt;
    int name = list.isSymbol(4, u".") ? 5 : 3; // owner.table names the table
    const Token& table = list[name];
    if (table.kind != TokenKind::Word && table.kind != TokenKind::QuotedName) return std::nullopt;
    int next = name + 1;
    bool rest = next == list.size() || list.isSymbol(next, u";") || list.isWord(next, u"where") ||
                list.isWord(next, u"order");
    return rest ? std::optional(table.value()) : std::nullopt;
}

} // namespace ado::dialect
