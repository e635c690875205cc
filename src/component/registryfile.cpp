// Editing the registry file section by section, so that other components' entries survive.
#include "registryfile.h"

#include "k8tr4072.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace component {

namespace {

QString progIdSection(const QString& progId) {
    return QStringLiteral("[ProgID %1]").arg(progId);
}
QString clsidSection(const QString& clsid) {
    return QStringLiteral("[CLSID %1]").arg(clsid);
}

QStringList readLines(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromUtf8(in.readAll()).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

// The lines without the named sections (a section runs to the next header).
QStringList withoutSections(const QStringList& lines, const QStringList& headers) {
    QStringList kept;
    bool dropping = false;
    for (const QString& line : lines) {
        if (line.startsWith(u'[')) dropping = headers.contains(line);
        if (!dropping) kept << line;
    }
    return kept;
}

bool writeLines(const QString& file, const QStringList& lines) {
    if (!QDir().mkpath(QFileInfo(file).absolutePath())) return false;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) return false;
    for (const QString& line : lines)
        out.write((line + u'\n').toUtf8());
    return out.commit();
}

} // namespace

QString RegistryFile::path() {
    char file[4096];
    return k8tr4072_RegistryPath(file, sizeof file) ? QString::fromLocal8Bit(file) : QString();
}

bool RegistryFile::add(const Registration& entry) {
    const QString file = path();
    if (file.isEmpty()) return false;
    QStringList lines =
        withoutSections(readLines(file), {progIdSection(entry.progId), clsidSection(entry.clsid)});
    lines << progIdSection(entry.progId) << QStringLiteral("CLSID=") + entry.clsid;
    lines << clsidSection(entry.clsid) << QStringLiteral("ProgID=") + entry.progId
          << QStringLiteral("InprocServer=") + entry.libraryPath
          << QStringLiteral("HelpString=") + entry.helpString
          << QStringLiteral("DefaultInterface=") + entry.defaultInterface;
    return writeLines(file, lines);
}

bool RegistryFile::remove(const QString& progId, const QString& clsid) {
    const QString file = path();
    if (file.isEmpty()) return false;
    if (!QFileInfo::exists(file)) return true;
    const QStringList lines = readLines(file);
    const QStringList kept = withoutSections(lines, {progIdSection(progId), clsidSection(clsid)});
    return kept.size() == lines.size() || writeLines(file, kept);
}

} // namespace component
