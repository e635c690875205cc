// Choosing and preparing the application folder.
#include "userfolder.h"

#include "defaultsettings.h"

#include <QDir>
#include <QStandardPaths>

namespace shared {

QString UserFolder::prepare(const QString& requested) {
    const QString folder =
        QDir(requested.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                                 : requested)
            .absolutePath();
    QDir().mkpath(folder);
    DefaultSettings::writeIfMissing(folder);
    return folder;
}

} // namespace shared
