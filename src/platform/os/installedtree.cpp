// Finding the installed tree from the running module's own file.
#include "installedtree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <dlfcn.h>
#include <link.h>

namespace os {
namespace {

// The file of the program or library this code is linked into: a library's as the loader opened it, the
// program's (whose name the loader keeps empty) through /proc.
QString runningModuleFile() {
    Dl_info info;
    link_map* module = nullptr;
    if (dladdr1(reinterpret_cast<void*>(&runningModuleFile), &info, reinterpret_cast<void**>(&module),
                RTLD_DL_LINKMAP) &&
        module && module->l_name[0] != '\0')
        return QFile::decodeName(module->l_name);
    return QStringLiteral("/proc/self/exe");
}

const QString& runningModuleFolder() {
    static const QString folder =
        QFileInfo(QFileInfo(runningModuleFile()).canonicalFilePath()).absolutePath();
    return folder;
}

} // namespace

QString installedRoot(const QString& moduleFolder) {
    const QString folder = QDir::cleanPath(moduleFolder);
    for (const QLatin1String installed :
         {QLatin1String(RECEIPTS_INSTALL_BINDIR), QLatin1String(RECEIPTS_INSTALL_LIBDIR)}) {
        const QString tail = QLatin1Char('/') + installed;
        if (folder.endsWith(tail)) return QDir::cleanPath(folder.chopped(tail.size()) + QLatin1Char('/'));
    }
    return {};
}

QString installedPath(const QString& relative) {
    const QString root = installedRoot(runningModuleFolder());
    return root.isEmpty() ? QString() : QDir(root).filePath(relative);
}

} // namespace os
