// A text output opened like a sequential file: a file, a printer device, or a print command's input.
#pragma once

#include <QString>
#include <memory>

class QFile;
class QProcess;

namespace os {

// Lines are written in the single-byte code page (Latin-1; other characters become "?"), each
// ending with CR LF; control characters such as form feeds go out as their bytes.
//
// Names: "|command" pipes the text into the command (run by the shell in the application folder);
// a name starting with "/" is an absolute file or device path; any other name, a drive path such as
// "c:\Receipts.txt" included, is a file in the application folder (drive dropped, either slash,
// letter case of an existing file ignored). Trailing blanks of a file name are dropped, as the
// file systems the settings were written for drop them.
class OutputFile {
public:
    // Opens the output for writing, replacing a file's earlier content. Error 75 when it cannot be
    // opened or the command cannot be started.
    explicit OutputFile(const QString& name);
    // Releases the output when close() was not reached: a file keeps what was written, a command
    // receives it; nothing is reported and no failure escapes.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Error 75 when the output refuses the bytes.
    void writeLine(const QString& text);
    // Finishes the output and tells OutputEvents that it was written. Error 75 when the last bytes
    // cannot be written or the print command fails or does not finish in time.
    void close();

    // The file an output name stands for, as OutputEvents reports it: relative to the application
    // folder, or absolute; a command is reported by its name ("|lp").
    static QString reportedPath(const QString& name);

private:
    void openFile(const QString& path);
    void startCommand(const QString& command);
    void finishCommand();
    void release() noexcept;

    QString reported_;
    std::unique_ptr<QFile> file_;
    std::unique_ptr<QProcess> process_;
    qint64 bytes_ = 0;
    bool open_ = false;
};

} // namespace os
