// The save keys: one row a receipt, added with it.
#include "savekeys.h"

#include "platform/ado/quoting.h"
#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"

#include <QUuid>

namespace store {

namespace {

const char* const AddStatement = "select * from LosReceiptSaveKey where 1 = 0";
const char* const SavedStatement =
    "select h.drID, h.drNo from LosReceiptSaveKey k, LosDummyReceiptHeader h where k.skKey = %1 and "
    "h.drShopid = k.skShopId and h.drID = k.skReceiptId";

} // namespace

QString newSaveKey() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

void recordSaveKey(const ado::ConnectionPtr& connection, const QString& key, qint32 shopId,
                   qint32 receiptId) {
    ado::Recordset rs;
    rs.open(QString::fromLatin1(AddStatement), connection, ado::CursorType::Keyset,
            ado::LockType::Optimistic);
    rs.addNew();
    rs.setField(QStringLiteral("skKey"), key);
    rs.setField(QStringLiteral("skShopId"), shopId);
    rs.setField(QStringLiteral("skReceiptId"), receiptId);
    rs.update();
}

std::optional<ReceiptKeys> receiptSavedUnder(const ado::ConnectionPtr& connection, const QString& key) {
    ado::Recordset rs;
    rs.open(QString::fromLatin1(SavedStatement).arg(ado::quoted(key)), connection,
            ado::CursorType::ForwardOnly, ado::LockType::ReadOnly);
    if (rs.eof()) return std::nullopt;
    return ReceiptKeys{core::toInt32(rs.field(0)), core::nullAsEmpty(rs.field(1))};
}

} // namespace store
