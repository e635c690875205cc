// The register's statements: the listing of the shop's receipts, the headers of its columns, the user's
// rights on the receipt screen.
#pragma once

#include "platform/ado/connection.h"

#include <QDateTime>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace store {

// The table the register lists; the suite keeps the headers of the listing's columns under its name.
inline const QString RegisterTable = QStringLiteral("LosDummyReceiptHeader");

// The statement listing the shop's receipts dated after the bound, cancelled ones saying so.
QString registerListing(const QDateTime& bound, qint32 shopId);

// Runs the listing: tells the number of its columns, then each row's texts, trimmed, a null as empty. The
// texts hold until the next row.
void readListing(const ado::ConnectionPtr& connection, const QString& listing,
                 const std::function<void(int columns)>& onColumns,
                 const std::function<void(const std::vector<QStringView>& cells)>& onRow);

// The headers the suite keeps for the table's columns, in its order: the first is the hidden id's.
QStringList columnHeaders(const ado::ConnectionPtr& connection, const QString& tableName);

// The letters of the user's rights on the screen; nothing when the user has no rights row for it.
std::optional<QString> screenRights(const ado::ConnectionPtr& connection, qint32 userId, qint32 interfaceId);

} // namespace store
