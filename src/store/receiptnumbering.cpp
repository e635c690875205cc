// Receipt numbers from a sequence row per prefix, seeded from the stored numbers when it cannot be trusted.
#include "receiptnumbering.h"

#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"
#include "quietlog.h"

#include <optional>

namespace store {

namespace {

const QString NumberingProcedure = QStringLiteral("GenerateRecieptNo");

const char* const LockStatement = "update LosReceiptLock set rlSaves = rlSaves + 1 where rlId = 1";
const char* const LastIdStatement = "select max(drid) from LosDummyReceiptHeader where drshopid=%1";
const char* const LastNumberStatement = "select rnLastNo from LosReceiptNumbering where rnPrefix = %1";
const char* const UpdateLastStatement = "update LosReceiptNumbering set rnLastNo = %2 where rnPrefix = %1";
// Moves the sequence on only when no receipt holds its next number yet (%2: the prefix as a literal); the
// sequence at its last 32-bit number stays.
const char* const MoveOnIfFreeStatement =
    "update LosReceiptNumbering set rnLastNo = rnLastNo + 1 where rnPrefix = %1 and rnLastNo < 2147483647 "
    "and not exists (select drNo from LosDummyReceiptHeader where drNo = %2 + cast(cast(rnLastNo as bigint) "
    "+ 1 as varchar(20)))";
const char* const InsertLastStatement =
    "insert into LosReceiptNumbering (rnPrefix, rnLastNo) values (%1, %2)";
// The numbering rule's own filter: %1 is the prefix's length, %2 the prefix as a literal. Its tail is what
// the rule converts.
const char* const NumbersUnderPrefixStatement =
    "Select drNo, right(drNo,len(drNo)-%1) from LosDummyReceiptHeader where  len(drNo)>len(%2) and  "
    "isnumeric(isnull(right(drNo,len(drNo)-%1),0)) =1 and substring(drNo,1,len(%2))=%2";

// The sequence holds 32 bits and must go on from the highest number taken.
constexpr qint64 LastSequenceNumber = 2147483647;

// The tail as the sequence can go on from: plain digits, leading zeros allowed, below the last number.
std::optional<qint64> continuableTail(const QString& tail) {
    const QString digits = core::trimBlanks(tail);
    if (digits.isEmpty()) return std::nullopt;
    for (const QChar c : digits)
        if (c < u'0' || c > u'9') return std::nullopt;
    qsizetype first = 0;
    while (first + 1 < digits.size() && digits[first] == u'0')
        ++first;
    if (digits.size() - first > 10) return std::nullopt;
    const qint64 value = digits.mid(first).toLongLong();
    if (value >= LastSequenceNumber) return std::nullopt;
    return value;
}

// The highest tail under the prefix the sequence can go on from, as the numbering rule finds it over
// every receipt; a number it cannot go on from (written by another program) is passed over and logged.
qint64 highestStoredNumber(const QString& prefix, const ado::ConnectionPtr& connection) {
    qint64 highest = 0;
    ado::Recordset rs;
    rs.open(QString::fromUtf8(NumbersUnderPrefixStatement)
                .arg(QString::number(prefix.size()), ado::quoted(prefix)),
            connection, ado::CursorType::ForwardOnly, ado::LockType::ReadOnly);
    for (; !rs.eof(); rs.moveNext()) {
        const QString number = core::nullAsEmpty(rs.field(0));
        if (const auto tail = continuableTail(core::nullAsEmpty(rs.field(1))))
            highest = std::max(highest, *tail);
        else
            logQuietly(connection, NumberingProcedure, core::err::Overflow,
                       QStringLiteral("Receipt number %1 passed over: the numbering cannot go on from it")
                           .arg(number));
    }
    return highest;
}

// The prefix's sequence row is keyed by its upper case.
QString sequenceKey(const QString& prefix) {
    return ado::quoted(prefix.toUpper());
}

QString lastNumberStatement(const QString& prefix) {
    return QString::fromUtf8(LastNumberStatement).arg(sequenceKey(prefix));
}

// The prefix's sequence row read, moved on when its next number is free, and read again: sent together with
// the lock where the engine allows.
QStringList sequenceStatements(const QString& prefix) {
    const QString moveOn =
        QString::fromUtf8(MoveOnIfFreeStatement).arg(sequenceKey(prefix), ado::quoted(prefix));
    return {lastNumberStatement(prefix), moveOn, lastNumberStatement(prefix)};
}
constexpr qsizetype SequenceStatementCount = 3;

// The prefix's row is trusted unless its next number is taken already (by a program that numbers on its
// own); then, as when the row is missing, the stored numbers give the sequence again. `read` holds the
// sequence row's last number before and after moving it on, null without a row.
QString numberAfter(const ado::ConnectionPtr& connection, const QString& prefix, const QVariantList& read) {
    const QString key = sequenceKey(prefix);
    const auto sequenceText = [](qint64 number) { return QString::number(core::toInt32(number)); };
    const QVariant& last = read.at(0);
    const QVariant& lastAfterMovingOn = read.at(SequenceStatementCount - 1);
    if (core::isNull(last)) {
        const QString sequence = sequenceText(highestStoredNumber(prefix, connection) + 1);
        connection->execute(QString::fromUtf8(InsertLastStatement).arg(key, sequence));
        return prefix + sequence;
    }
    QString sequence = sequenceText(last.toLongLong() + 1);
    if (lastAfterMovingOn.toLongLong() != last.toLongLong() + 1) {
        sequence = sequenceText(highestStoredNumber(prefix, connection) + 1);
        connection->execute(QString::fromUtf8(UpdateLastStatement).arg(key, sequence));
    }
    return prefix + sequence;
}

} // namespace

LockedReceipt lockAndNumberReceipt(const ado::ConnectionPtr& connection, qint32 shopId, const QString& prefix,
                                   const QStringList& readUnderLock) {
    const QVariantList read = connection->firstValues(
        QStringList{QString::fromUtf8(LockStatement), QString::fromUtf8(LastIdStatement).arg(shopId)} +
        sequenceStatements(prefix) + readUnderLock);
    const QVariant lastId = read.at(1);
    const ReceiptKeys keys{core::isNull(lastId) ? 1 : core::toInt32(lastId) + 1,
                           numberAfter(connection, prefix, read.mid(2, SequenceStatementCount))};
    return {keys, read.mid(2 + SequenceStatementCount)};
}

QString nextReceiptNumber(const ado::ConnectionPtr& connection, const QString& prefix) {
    return numberAfter(connection, prefix, connection->firstValues(sequenceStatements(prefix)));
}

} // namespace store
