// The settings-file reader: key, one separator character, ":=", value.
#include "filecode.h"

#include "platform/core/runtimeerror.h"
#include "platform/forms/runtime.h"
#include "platform/os/applicationfolder.h"
#include "reporterror.h"
#include "session.h"

#include <QFile>
#include <QTextStream>
#include <functional>
#include <optional>

namespace shared {
namespace {

const QString Assign = QStringLiteral(":=");

void tellUser(const QString& text) {
    forms::Runtime::msgBox(text, forms::MsgButtons::OK, forms::MsgIcon::Critical, session().msgboxCaption);
}

// The key part of a line: the text before ":=" without its last character. A line without ":="
// or starting with it cannot be split, as the runtime's string functions fail on it.
QString keyOfLine(const QString& line) {
    const int assign = line.indexOf(Assign, 0, Qt::CaseInsensitive);
    if (assign <= 0) throw core::RuntimeError::of(core::err::InvalidCall);
    return line.left(assign - 1).toUpper();
}

// The value of the first line with the key; none when no line has it.
std::optional<QString> lookUp(QFile& file, const QString& key) {
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Latin1);
    const QString wanted = key.toUpper();
    while (!in.atEnd()) {
        QString line = in.readLine();
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (keyOfLine(line) == wanted) return line.mid(line.indexOf(Assign) + Assign.size());
    }
    return std::nullopt;
}

// The key's value; whenMissing() when no line has it; an empty text after a reported failure.
QString readKey(const QString& key, const QString& filePath, const std::function<QString()>& whenMissing) {
    QFile file(filePath);
    try {
        if (!file.exists()) throw core::RuntimeError::of(core::err::FileNotFound);
        if (!file.open(QIODevice::ReadOnly)) throw core::RuntimeError::of(core::err::PathAccess);
        const std::optional<QString> value = lookUp(file, key);
        return value ? *value : whenMissing();
    } catch (const core::RuntimeError& error) {
        if (error.number() == core::err::FileNotFound)
            tellUser(QStringLiteral(" Settings.ini file not found"));
        file.close();
        reportTrapped(SharedModuleName, QStringLiteral("FileCode"), error);
        return QString();
    }
}

} // namespace

QString FileCode(const QString& key, const QString& filePath) {
    return readKey(key, filePath, [&key] {
        tellUser(key + QStringLiteral("  invalid parameter in Settings.ini file"));
        return KeyNotFound;
    });
}

QString fileCodeIfPresent(const QString& key, const QString& filePath) {
    return readKey(key, filePath, [] { return QString(); });
}

QString settingsFilePath() {
    return os::inApplicationFolder(QStringLiteral("\\shopsetting.txt"));
}

} // namespace shared
