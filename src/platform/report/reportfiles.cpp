// Finding report files and reading them with the file their data comes from.
#include "reportfiles.h"

#include "reportfailure.h"

#include "platform/os/applicationfolder.h"
#include "platform/os/installedtree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace report {

namespace {

// The reports installed with the program, or the source tree's for a program run from the build tree.
QString programReports() {
    const QString installed = os::installedPath(QStringLiteral(RECEIPTS_INSTALLED_REPORTS));
    return installed.isEmpty() ? QStringLiteral(RECEIPTS_SOURCE_REPORTS) : installed;
}

QString& installed() {
    static QString folder = programReports();
    return folder;
}

QString withSlashes(QString name) {
    return name.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

bool isAbsolute(const QString& name) {
    return name.startsWith(QLatin1Char('/'));
}

// A path inside the application folder stays relative to it; any other path is kept whole.
QString folderRelative(const QString& path) {
    const QString relative = QDir(os::applicationFolder()).relativeFilePath(path);
    return relative.startsWith(QLatin1String("../")) ? path : relative;
}

QString existingFile(const QString& path) {
    const QString resolved = os::resolveWithoutCase(path);
    return QFileInfo(resolved).isFile() ? resolved : QString();
}

// The same report among the program's own: the part of the name after reports/, or its file name.
QString installedCounterpart(const QString& path) {
    QString relative = folderRelative(path);
    if (isAbsolute(relative))
        relative = QFileInfo(relative).fileName();
    else if (relative.startsWith(QLatin1String("reports/"), Qt::CaseInsensitive))
        relative = relative.mid(int(qstrlen("reports/")));
    return existingFile(QDir(installed()).filePath(relative));
}

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw detailedFailure(core::err::FileNotFound, path);
    return QString::fromUtf8(file.readAll());
}

ReportDefinition parsed(const QString& path) {
    return ReportDefinition::parse(readText(path), QFileInfo(path).fileName());
}

// A file another report takes its data or layout from: beside that report, then among the program's own.
QString relatedPath(const QString& reportPath, const QString& relatedName) {
    QString found = existingFile(QFileInfo(reportPath).dir().filePath(relatedName));
    if (found.isEmpty()) found = existingFile(QDir(installed()).filePath(relatedName));
    if (found.isEmpty()) throw detailedFailure(core::err::FileNotFound, relatedName);
    return found;
}

} // namespace

QString ReportFiles::locate(const QString& name) {
    if (name.trimmed().isEmpty())
        throw detailedFailure(core::err::BadFileName, QStringLiteral("no report file named"));
    const QString normalised = withSlashes(name);
    const QString path = isAbsolute(normalised) ? normalised : os::inApplicationFolder(normalised);
    QString found = existingFile(path);
    if (found.isEmpty()) found = installedCounterpart(path);
    if (found.isEmpty()) throw detailedFailure(core::err::FileNotFound, displayName(name));
    return found;
}

QString ReportFiles::displayName(const QString& name) {
    const QString normalised = withSlashes(name);
    if (!isAbsolute(normalised)) return QDir::cleanPath(normalised);
    return folderRelative(QDir::cleanPath(normalised));
}

QString ReportFiles::installedFolder() {
    return installed();
}

void ReportFiles::setInstalledFolder(const QString& folder) {
    installed() = folder;
}

ReportDefinition ReportFiles::load(const QString& path) {
    ReportDefinition definition = parsed(path);
    if (!definition.dataFile.isEmpty()) {
        const QString dataPath = relatedPath(path, definition.dataFile);
        definition.takeDataFrom(parsed(dataPath), QFileInfo(dataPath).fileName());
    }
    if (!definition.layoutFile.isEmpty()) {
        const QString layoutPath = relatedPath(path, definition.layoutFile);
        definition.takeLayoutFrom(parsed(layoutPath), QFileInfo(layoutPath).fileName());
    }
    definition.validate(QFileInfo(path).fileName());
    return definition;
}

} // namespace report
