// A value of a row read through QtSql as the module reads it.
#pragma once

#include <QVariant>

namespace ado {

// Null as an invalid QVariant, flags as 1 and 0, everything else as the plugin gave it.
inline QVariant moduleValue(const QVariant& value) {
    if (value.isNull()) return {};
    if (value.typeId() == QMetaType::Bool) return int(value.toBool());
    return value;
}

} // namespace ado
