// Look-ups over the table expression the caller sets before each call.
#include "commondb.h"

#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"
#include "platform/forms/combobox.h"

namespace suite {

QString CommonDb::statement(const QString& fields, const QString& condition) const {
    QString sql = QStringLiteral("select ") + fields + QStringLiteral(" from ") + strTableName;
    if (core::trimBlanks(condition).isEmpty()) return sql;
    const bool hasWhere = strTableName.contains(QStringLiteral(" where "), Qt::CaseInsensitive);
    return sql + (hasWhere ? QStringLiteral(" and ") : QStringLiteral(" where ")) + condition;
}

static void requireConnection(const ado::ConnectionPtr& connection) {
    if (!connection) throw core::RuntimeError::of(core::err::ObjectNotSet);
}

QVariant CommonDb::fnreturnfield(const QString& field, const QString& condition) {
    requireConnection(adocon);
    ado::Recordset rs;
    rs.open(statement(field, condition), adocon, ado::CursorType::ForwardOnly, ado::LockType::ReadOnly);
    QVariant value = rs.eof() ? QVariant() : rs.field(0);
    rs.close();
    return core::isNull(value) ? QVariant(QString()) : value;
}

qint32 CommonDb::fnGetNextMaxNo(const QString& field) {
    requireConnection(adocon);
    ado::Recordset rs;
    rs.open(statement(QStringLiteral("max(") + field + QStringLiteral(")"), QString()), adocon,
            ado::CursorType::ForwardOnly, ado::LockType::ReadOnly);
    const QVariant highest = rs.eof() ? QVariant() : rs.field(0);
    rs.close();
    return core::isNull(highest) ? 1 : core::toInt32(highest) + 1;
}

void CommonDb::populatecomboorlist(forms::ComboBox& combo, const QString& idField, const QString& textField,
                                   const QString& condition) {
    requireConnection(adocon);
    ado::Recordset rs;
    rs.open(statement(idField + QStringLiteral(",") + textField, condition), adocon,
            ado::CursorType::ForwardOnly, ado::LockType::ReadOnly);
    combo.clear();
    for (; !rs.eof(); rs.moveNext()) {
        combo.addItem(core::nullAsEmpty(rs.field(1)));
        combo.setItemData(combo.newIndex(), core::toInt32(rs.field(0)));
    }
    rs.close();
}

} // namespace suite
