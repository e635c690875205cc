// Data sources configured for reports in reports/datasources.ini of the application folder.
#pragma once

#include <QString>
#include <optional>

namespace report {

// One "NAME = CONNECTION STRING" a line (';' or '#' starts a comment), the connection string as
// ado::Connection opens it. A name that is not configured stands for the session's own database,
// so the fixed names the windows log on with need no configuration and no password in code.
class DataSources {
public:
    // The connection string configured for the name (letter case ignored), or nothing; nothing
    // too when the application folder has no such file.
    static std::optional<QString> configured(const QString& name);
};

} // namespace report
