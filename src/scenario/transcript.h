// The transcript of a scenario run: one event a line on standard output.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

namespace forms {
struct MessageBoxRequest;
struct SaveFileRequest;
enum class MsgResult;
} // namespace forms

namespace suite {
struct ErrorRecord;
}

namespace os {
struct ReportRun;
}

namespace scenario {

class Transcript {
public:
    explicit Transcript(QTextStream& out) : out_(out) {}

    void folder(const QString& path);
    void open(const QString& window, bool modal, const QString& owner);
    void close(const QString& window);
    void messageBox(const forms::MessageBoxRequest& request, forms::MsgResult answer);
    // A file chooser and the name the scenario answered it with (nothing: cancelled).
    void saveFile(const forms::SaveFileRequest& request, const std::optional<QString>& name);
    void error(const suite::ErrorRecord& record, qint32 userId);
    void fileWritten(const QString& path, qint64 bytes);
    void viewed(const QString& path);
    void report(const os::ReportRun& run);
    void row(const QStringList& values);
    // One control's "name=value" entries; a value with blanks, quotes or nothing in it is quoted.
    void state(const QString& control, const QStringList& entries);
    void note(const QString& text);
    void beep();
    void fail(int line, const QString& reason);

private:
    void write(const QString& line);
    QTextStream& out_;
};

} // namespace scenario
