// Reads one key of the settings file shopsetting.txt.
#pragma once

#include <QString>

namespace shared {

inline const QString SharedModuleName = QStringLiteral("basReceiptsShop");
inline const QString KeyNotFound = QStringLiteral("NotFound");

// The value after ":=" on the first line whose key matches (letter case ignored, exactly one
// separator character before ":="), untrimmed; "NotFound" after telling the user when no line has
// the key; an empty text after a failure (missing file, a line that cannot be split).
QString FileCode(const QString& key, const QString& filePath);
// As FileCode, for a key that settings files written before it lack: without a line for the key the
// value is an empty text and nobody is told.
QString fileCodeIfPresent(const QString& key, const QString& filePath);

// The settings file of the application folder.
QString settingsFilePath();

} // namespace shared
