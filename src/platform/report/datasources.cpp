// Reading the configured data sources.
#include "datasources.h"

#include "platform/os/applicationfolder.h"

#include <QFile>
#include <QStringList>

namespace report {

std::optional<QString> DataSources::configured(const QString& name) {
    QFile file(os::inApplicationFolder(QStringLiteral("reports/datasources.ini")));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'))) continue;
        const qsizetype assign = trimmed.indexOf(QLatin1Char('='));
        if (assign > 0 && trimmed.left(assign).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return trimmed.mid(assign + 1).trimmed();
    }
    return std::nullopt;
}

} // namespace report
