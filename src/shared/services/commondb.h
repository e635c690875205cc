// Single-field look-ups and combo filling over a table expression.
#pragma once

#include "servicesinterfaces.h"

namespace suite {

class CommonDb : public ClsCommonDb {
public:
    QVariant fnreturnfield(const QString& table, const QString& field,
                           const QString& condition = QString()) override;
    void populatecomboorlist(forms::ComboBox& combo, const QString& table, const QString& idField,
                             const QString& textField, const QString& condition = QString()) override;
};

} // namespace suite
