// Single-field look-ups, next numbers and combo filling over a table expression.
#pragma once

#include "servicesinterfaces.h"

namespace suite {

class CommonDb : public ClsCommonDb {
public:
    QVariant fnreturnfield(const QString& field, const QString& condition = QString()) override;
    qint32 fnGetNextMaxNo(const QString& field) override;
    void populatecomboorlist(forms::ComboBox& combo, const QString& idField, const QString& textField,
                             const QString& condition = QString()) override;

private:
    // "select FIELDS from strTableName" with the condition joined to any where clause it has.
    QString statement(const QString& fields, const QString& condition) const;
};

} // namespace suite
