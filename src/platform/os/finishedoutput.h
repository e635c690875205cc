// The output the module finished, told to whoever listens: files written, texts viewed, reports run. A
// scenario's transcript records them all.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace os {

struct ReportRun {
    QString file;
    QString title;
    QStringList parameters;
    long records = 0;
};

// The output code tells of each finished output here; the host decides who listens (in the GUI the
// viewer opens a viewed text; in a scenario the transcript records every kind).
class FinishedOutput {
public:
    using FileWritten = std::function<void(const QString& path, qint64 bytes)>;
    using TextViewed = std::function<void(const QString& path)>;
    using ReportDone = std::function<void(const ReportRun& run)>;

    static void setFileWritten(FileWritten listener);
    static void setTextViewed(TextViewed listener);
    static void setReportRun(ReportDone listener);

    // path as the module opened it: absolute, or relative to the application folder.
    static void fileWritten(const QString& path, qint64 bytes);
    static void textViewed(const QString& path);
    static void reportRun(const ReportRun& run);
};

} // namespace os
