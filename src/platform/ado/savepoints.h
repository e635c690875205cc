// The names of the savepoints that nest the module's transactions inside the engine's one.
#pragma once

#include <QString>

namespace ado {

// The name of the savepoint kept for nesting level `level`.
inline QString savepointName(int level) {
    return QStringLiteral("ado_level_%1").arg(level);
}

} // namespace ado
