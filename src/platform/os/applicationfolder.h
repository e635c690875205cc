// The host application's folder: settings, report files and output files live there.
#pragma once

#include <QString>

namespace os {

// The folder set by the host (or a scenario); the current folder until one is set.
QString applicationFolder();
void setApplicationFolder(const QString& folder);
// A path inside the application folder, for a name written with either slash ("\shopsetting.txt").
// Names are matched without regard to letter case, as the settings file's callers expect.
QString inApplicationFolder(const QString& name);
// The path of an existing file whose name differs only in letter case, or the path itself.
QString resolveWithoutCase(const QString& path);

} // namespace os
