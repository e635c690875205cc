// Writing transcript lines.
#include "transcript.h"

#include "argumentvalues.h"
#include "textescapes.h"

#include "platform/forms/runtime.h"
#include "platform/os/finishedoutput.h"
#include "shared/services/errordetails.h"

namespace scenario {
namespace {

QString iconName(forms::MsgIcon icon) {
    switch (icon) {
    case forms::MsgIcon::Critical:
        return QStringLiteral("critical");
    case forms::MsgIcon::Question:
        return QStringLiteral("question");
    case forms::MsgIcon::Exclamation:
        return QStringLiteral("exclamation");
    case forms::MsgIcon::Information:
        return QStringLiteral("information");
    case forms::MsgIcon::None:
        break;
    }
    return QStringLiteral("none");
}

QString buttonsName(forms::MsgButtons buttons) {
    switch (buttons) {
    case forms::MsgButtons::OKCancel:
        return QStringLiteral("OKCancel");
    case forms::MsgButtons::YesNo:
        return QStringLiteral("YesNo");
    case forms::MsgButtons::YesNoCancel:
        return QStringLiteral("YesNoCancel");
    case forms::MsgButtons::OK:
        break;
    }
    return QStringLiteral("OK");
}

bool needsQuotes(const QString& value) {
    if (value.isEmpty()) return true;
    for (QChar character : value)
        if (character.unicode() <= u' ' || character == u'"' || character == u'\\' ||
            character.unicode() == 0x7F)
            return true;
    return false;
}

QString stateEntry(const QString& entry) {
    const qsizetype assign = entry.indexOf(u'=');
    const QString value = entry.mid(assign + 1);
    return entry.left(assign + 1) + (needsQuotes(value) ? TextEscapes::quoted(value) : value);
}

} // namespace

void Transcript::folder(const QString& path) {
    write(QStringLiteral("FOLDER ") + path);
}

void Transcript::open(const QString& window, bool modal, const QString& owner) {
    QString line = QStringLiteral("OPEN ") + window;
    if (modal) line += QStringLiteral(" modal");
    if (!owner.isEmpty()) line += QStringLiteral(" owner=") + owner;
    write(line);
}

void Transcript::close(const QString& window) {
    write(QStringLiteral("CLOSE ") + window);
}

void Transcript::messageBox(const forms::MessageBoxRequest& request, forms::MsgResult answer) {
    write(QStringLiteral("MSGBOX title=%1 icon=%2 buttons=%3 default=%4 text=%5 -> %6")
              .arg(TextEscapes::quoted(request.title), iconName(request.icon), buttonsName(request.buttons),
                   ArgumentValues::buttonName(request.defaultResult()), TextEscapes::quoted(request.text),
                   ArgumentValues::buttonName(answer)));
}

void Transcript::saveFile(const forms::SaveFileRequest& request, const std::optional<QString>& name) {
    write(QStringLiteral("SAVEFILE title=%1 name=%2 -> %3")
              .arg(TextEscapes::quoted(request.title), TextEscapes::quoted(request.proposedName),
                   name ? TextEscapes::quoted(*name) : QStringLiteral("none")));
}

void Transcript::error(const suite::ErrorRecord& record, qint32 userId) {
    write(QStringLiteral("ERROR module=%1 proc=%2 number=%3 source=%4 description=%5 user=%6 mode=%7")
              .arg(TextEscapes::quoted(record.moduleName), TextEscapes::quoted(record.procedureName))
              .arg(record.number)
              .arg(TextEscapes::quoted(record.source), TextEscapes::quoted(record.description))
              .arg(userId)
              .arg(TextEscapes::quoted(record.mode)));
}

void Transcript::fileWritten(const QString& path, qint64 bytes) {
    write(QStringLiteral("FILE %1 %2").arg(path).arg(bytes));
}

void Transcript::viewed(const QString& path) {
    write(QStringLiteral("VIEW ") + path);
}

void Transcript::report(const os::ReportRun& run) {
    QStringList parameters;
    for (const QString& parameter : run.parameters)
        parameters << TextEscapes::escape(parameter, false);
    write(QStringLiteral("REPORT file=%1 title=%2 params=[%3] records=%4")
              .arg(TextEscapes::quoted(run.file), TextEscapes::quoted(run.title), parameters.join(u'|'))
              .arg(run.records));
}

void Transcript::row(const QStringList& values) {
    QStringList escaped;
    for (const QString& value : values)
        escaped << TextEscapes::escape(value, false);
    write(QStringLiteral("ROW ") + escaped.join(u'\t'));
}

void Transcript::state(const QString& control, const QStringList& entries) {
    QStringList line{QStringLiteral("STATE"), control};
    for (const QString& entry : entries)
        line << stateEntry(entry);
    write(line.join(u' '));
}

void Transcript::note(const QString& text) {
    write(QStringLiteral("NOTE ") + TextEscapes::escape(text, false));
}

void Transcript::beep() {
    write(QStringLiteral("BEEP"));
}

void Transcript::fail(int line, const QString& reason) {
    write(QStringLiteral("FAIL line %1: %2").arg(line).arg(reason));
}

void Transcript::write(const QString& line) {
    out_ << line << '\n';
    out_.flush();
}

} // namespace scenario
