// A text output opened like a sequential file: a file, a printer device, or a print command's input.
#pragma once

#include <QString>
#include <QStringConverter>
#include <memory>

class QFile;
class QIODevice;
class QProcess;
class QSaveFile;

namespace core {
class RuntimeError;
}

namespace os {

// Lines are written in the output's encoding (by default Latin-1, the printers' single-byte code page;
// characters it lacks become "?"), each ending with CR LF; control characters such as form feeds go
// out as their bytes.
//
// Names: "|command" pipes the text into the command (run by the shell in the application folder);
// a name starting with "/" is an absolute file or device path; any other name, a drive path such as
// "c:\Receipts.txt" included, is a file in the application folder (drive dropped, either slash,
// letter case of an existing file ignored). Trailing blanks of a file name are dropped, as the
// file systems the settings were written for drop them.
//
// A file keeps its earlier content until close(): the lines go to a temporary file beside it, which
// then takes its place. A device (an existing path that is no regular file) and a command receive
// each line as it is written.
//
// Every failure is error 75, its description naming the output as reportedPath() does and the cause:
// the system's reason, or how a print command ended and what it said.
class OutputFile {
public:
    // Opens the output for writing. Error 75 when it cannot be opened or the command cannot be started.
    explicit OutputFile(const QString& name, QStringConverter::Encoding encoding = QStringConverter::Latin1);
    // Releases the output when close() was not reached: a file keeps its earlier content, a device
    // keeps what was written, a command receives it; nothing is reported and no failure escapes.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Whether the output's encoding holds every character of the text.
    bool canHold(const QString& text) const;
    // Error 75 when the output refuses the bytes.
    void writeLine(const QString& text);
    // Finishes the output (a file replaces the earlier one) and tells FinishedOutput that it was
    // written. Error 75 when the last bytes cannot be written, the file cannot be replaced, or the
    // print command fails or does not finish in time.
    void close();

    // The file an output name stands for, as FinishedOutput reports it: relative to the application
    // folder, or absolute; a command is reported by its name ("|lp").
    static QString reportedPath(const QString& name);

private:
    void openFile(const QString& path);
    void openDevice(const QString& path);
    void startCommand(const QString& command);
    QIODevice& sink() const;
    void closeDevice();
    void finishCommand();
    void release() noexcept;
    // This output's failure, for the cause given.
    core::RuntimeError accessError(const QString& cause) const;

    QString reported_;
    QStringConverter::Encoding encoding_;
    std::unique_ptr<QSaveFile> file_;
    std::unique_ptr<QFile> device_;
    std::unique_ptr<QProcess> process_;
    qint64 bytes_ = 0;
    bool open_ = false;
};

} // namespace os
