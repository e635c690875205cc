// The application folder of the running host.
#include "applicationfolder.h"

#include <QDir>
#include <QFileInfo>

namespace os {
namespace {
QString& folder() {
    static QString value = QDir::currentPath();
    return value;
}
} // namespace

QString applicationFolder() {
    return folder();
}

void setApplicationFolder(const QString& path) {
    folder() = QDir(path).absolutePath();
}

QString inApplicationFolder(const QString& name) {
    QString relative = name;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (relative.startsWith(QLatin1Char('/')))
        relative.remove(0, 1);
    return resolveWithoutCase(QDir(folder()).filePath(relative));
}

QString resolveWithoutCase(const QString& path) {
    QFileInfo info(path);
    if (info.exists()) return path;
    QDir dir = info.dir();
    const QStringList names = dir.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& name : names)
        if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0) return dir.filePath(name);
    return path;
}

} // namespace os
