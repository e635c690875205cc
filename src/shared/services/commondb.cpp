// Look-ups over the table expression each call names.
#include "commondb.h"

#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"
#include "platform/forms/combobox.h"

namespace suite {

namespace {

// "select FIELDS from TABLE" with the condition joined to any where clause the table expression has.
QString statement(const QString& table, const QString& fields, const QString& condition) {
    QString sql = QStringLiteral("select ") + fields + QStringLiteral(" from ") + table;
    if (core::trimBlanks(condition).isEmpty()) return sql;
    const bool hasWhere = table.contains(QStringLiteral(" where "), Qt::CaseInsensitive);
    return sql + (hasWhere ? QStringLiteral(" and ") : QStringLiteral(" where ")) + condition;
}

void requireConnection(const ado::ConnectionPtr& connection) {
    if (!connection) throw core::RuntimeError::of(core::err::ObjectNotSet);
}

} // namespace

QVariant CommonDb::fnreturnfield(const QString& table, const QString& field, const QString& condition) {
    requireConnection(adocon);
    ado::Recordset rs;
    rs.open(statement(table, field, condition), adocon, ado::CursorType::ForwardOnly,
            ado::LockType::ReadOnly);
    QVariant value = rs.eof() ? QVariant() : rs.field(0);
    rs.close();
    return core::isNull(value) ? QVariant(QString()) : value;
}

void CommonDb::populatecomboorlist(forms::ComboBox& combo, const QString& table, const QString& idField,
                                   const QString& textField, const QString& condition) {
    requireConnection(adocon);
    ado::Recordset rs;
    rs.open(statement(table, idField + QStringLiteral(",") + textField, condition), adocon,
            ado::CursorType::ForwardOnly, ado::LockType::ReadOnly);
    combo.clear();
    for (; !rs.eof(); rs.moveNext()) {
        combo.addItem(core::nullAsEmpty(rs.field(1)));
        combo.setItemData(combo.newIndex(), core::toInt32(rs.field(0)));
    }
    rs.close();
}

} // namespace suite
