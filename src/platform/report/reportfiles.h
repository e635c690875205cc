// Where report files are found: under reports/ of the application folder, then among the program's own.
#pragma once

#include "reportdefinition.h"

#include <QString>

namespace report {

class ReportFiles {
public:
    // The file a report name stands for. A name is a path, absolute or inside the application folder
    // (either slash, "\reports\x.rpt" included; letter case of the file name ignored). When no such
    // file exists, the same name under the program's own report folder (without its reports/) is
    // taken. Error 52 for an empty name, 53 when neither place has the file.
    static QString locate(const QString& name);
    // The name as the module gave it, for what a run reports: relative to the application folder
    // when inside it, with "/".
    static QString displayName(const QString& name);

    // The program's own report folder: the one installed with the program, or the source tree's
    // reports/ for a program of the build tree, unless a host or a test sets another.
    static QString installedFolder();
    static void setInstalledFolder(const QString& folder);

    // Reads and checks a report file; the files of `data` and `layout` are found beside it, then in the
    // program's folder.
    static ReportDefinition load(const QString& path);
};

} // namespace report
