// The settings file a first run writes: working values for every key the module reads.
#pragma once

#include <QByteArray>
#include <QString>

namespace shared {

class DefaultSettings {
public:
    // "Key :=value" lines with CRLF ends, in the order the module reads the keys.
    static QByteArray text();
    // Writes shopsetting.txt into the folder unless it exists; false when it could not be written.
    static bool writeIfMissing(const QString& folder);
};

} // namespace shared
