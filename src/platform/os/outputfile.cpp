// Files, devices and print commands that receive a text output.
#include "outputfile.h"

#include "applicationfolder.h"
#include "finishedoutput.h"
#include "platform/core/runtimeerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStringEncoder>

namespace os {

namespace {

constexpr QChar CommandMark = u'|';
constexpr int CommandStartMs = 5000;
// A print command only hands the text to a spooler; one that takes longer is taken as hung.
constexpr int CommandFinishMs = 30000;
constexpr int CommandKillMs = 1000;
const QByteArray LineEnd = QByteArrayLiteral("\r\n");

bool isCommand(const QString& name) {
    return name.startsWith(CommandMark);
}

QString withoutTrailingBlanks(QString name) {
    while (name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    return name;
}

// The name inside the application folder: the drive letter of a path such as "c:\Receipts.txt" and
// leading slashes go, backslashes become slashes.
QString folderRelative(QString name) {
    if (name.size() >= 2 && name[0].isLetter() && name[1] == QLatin1Char(':')) name.remove(0, 2);
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    return name;
}

// The path opened for a file name: absolute as given, or inside the application folder.
QString filePathOf(const QString& name) {
    const QString path = withoutTrailingBlanks(name);
    if (path.startsWith(QLatin1Char('/'))) return path;
    return inApplicationFolder(folderRelative(path));
}

// A printer or another device: it cannot be replaced by a file written beside it.
bool isDevice(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

// Why a print command failed: how it ended, then what it said on its error output.
QString commandFailure(QProcess& process) {
    const QString ending =
        process.exitStatus() == QProcess::NormalExit
            ? QStringLiteral("the print command ended with exit code %1").arg(process.exitCode())
            : QStringLiteral("the print command was ended by a signal");
    const QString said = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    return said.isEmpty() ? ending : ending + QStringLiteral(": ") + said;
}

} // namespace

OutputFile::OutputFile(const QString& name, QStringConverter::Encoding encoding)
    : reported_(reportedPath(name)), encoding_(encoding) {
    if (isCommand(name))
        startCommand(name.mid(1));
    else if (const QString path = filePathOf(name); isDevice(path))
        openDevice(path);
    else
        openFile(path);
    open_ = true;
}

OutputFile::~OutputFile() {
    release();
}

QString OutputFile::reportedPath(const QString& name) {
    if (isCommand(name)) return name;
    const QString path = filePathOf(name);
    if (withoutTrailingBlanks(name).startsWith(QLatin1Char('/'))) return path;
    return QDir(applicationFolder()).relativeFilePath(path);
}

void OutputFile::openFile(const QString& path) {
    file_ = std::make_unique<QSaveFile>(path);
    // A writable file in a folder where no file can be added is written in place.
    file_->setDirectWriteFallback(true);
    if (!file_->open(QIODevice::WriteOnly)) throw accessError(file_->errorString());
}

void OutputFile::openDevice(const QString& path) {
    device_ = std::make_unique<QFile>(path);
    if (!device_->open(QIODevice::WriteOnly | QIODevice::Truncate)) throw accessError(device_->errorString());
}

void OutputFile::startCommand(const QString& command) {
    process_ = std::make_unique<QProcess>();
    process_->setWorkingDirectory(applicationFolder());
    // What the command prints would mix with the host's own output; its error text explains a failure.
    process_->setStandardOutputFile(QProcess::nullDevice());
    process_->start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    if (!process_->waitForStarted(CommandStartMs)) throw accessError(process_->errorString());
}

bool OutputFile::canHold(const QString& text) const {
    QStringEncoder encoder(encoding_);
    // The encoder meets the characters only when the bytes are taken.
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError();
}

void OutputFile::writeLine(const QString& text) {
    QStringEncoder encoder(encoding_);
    QByteArray bytes = encoder.encode(text);
    bytes += LineEnd;
    QIODevice& device = sink();
    if (device.write(bytes) != bytes.size()) throw accessError(device.errorString());
    bytes_ += bytes.size();
}

QIODevice& OutputFile::sink() const {
    if (file_) return *file_;
    if (device_) return *device_;
    return *process_;
}

void OutputFile::close() {
    if (file_) {
        open_ = false;
        if (!file_->commit()) throw accessError(file_->errorString());
    } else if (device_) {
        closeDevice();
    } else {
        finishCommand();
    }
    FinishedOutput::fileWritten(reported_, bytes_);
}

void OutputFile::closeDevice() {
    const bool flushed = device_->flush();
    device_->close();
    open_ = false;
    if (!flushed) throw accessError(device_->errorString());
}

void OutputFile::finishCommand() {
    open_ = false;
    process_->closeWriteChannel();
    if (!process_->waitForFinished(CommandFinishMs)) {
        process_->kill();
        process_->waitForFinished(CommandKillMs);
        throw accessError(QStringLiteral("the print command did not finish"));
    }
    if (process_->exitStatus() != QProcess::NormalExit || process_->exitCode() != 0)
        throw accessError(commandFailure(*process_));
}

// Named as FinishedOutput reports the output, so that the message says which output failed and why.
core::RuntimeError OutputFile::accessError(const QString& cause) const {
    return core::RuntimeError(core::err::PathAccess, core::standardDescription(core::err::PathAccess) +
                                                         QStringLiteral(" on \"") + reported_ +
                                                         QStringLiteral("\": ") + cause);
}

void OutputFile::release() noexcept {
    if (!open_) return;
    open_ = false;
    if (file_) {
        file_.reset(); // the temporary file goes, the earlier content stays
        return;
    }
    if (device_) {
        device_->close();
        return;
    }
    process_->closeWriteChannel();
    if (!process_->waitForFinished(CommandFinishMs)) {
        process_->kill();
        process_->waitForFinished(CommandKillMs);
    }
}

} // namespace os
