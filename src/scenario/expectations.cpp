// Comparing what the module shows with what the scenario expects.
#include "expectations.h"

#include "argumentvalues.h"
#include "localeforms.h"
#include "scenarioabort.h"
#include "scenariosetup.h"
#include "stage.h"
#include "textescapes.h"
#include "transcript.h"
#include "windowregistry.h"

#include "platform/core/runtimeerror.h"
#include "platform/forms/control.h"
#include "platform/forms/form.h"

#include <QFile>
#include <QRegularExpression>

namespace scenario {

void Expectations::dump(const ScenarioCommand& command) {
    const ControlName name = *ArgumentValues::windowOrControl(command.args[0]);
    forms::Form& form = windows_.loadedWindow(name.window, command.line);
    if (!name.control.isEmpty()) {
        forms::Control& control = windows_.lookAt(name.window, name.control, command.line);
        return transcript_.state(form.name() + u'.' + control.name(), control.dump());
    }
    for (const forms::Control* control : form.controls())
        transcript_.state(form.name() + u'.' + control->name(), control->dump());
}

void Expectations::print(const ScenarioCommand& command) {
    transcript_.note(command.args[0].text);
}

void Expectations::expect(const ScenarioCommand& command) {
    const ScenarioArgument& first = command.args[0];
    if (first.isWord(u"window")) return expectWindow(command);
    if (first.isWord(u"file")) return expectFile(command);
    if (first.isWord(u"clipboard")) return expectClipboard(command);
    if (first.isWord(u"pdf"))
        return compare(command, QStringLiteral("the pages of ") + command.args[1].text,
                       QString::number(pdfPages(command)), command.args[3].text);
    if (first.isWord(u"sql"))
        return compare(command, QStringLiteral("the query"), setup_.firstValue(command.args[1].text),
                       command.args[2].text);
    if (first.isWord(u"errors"))
        return compare(command, QStringLiteral("the number of errors"), QString::number(errorCount_),
                       command.args[1].text);
    expectProperty(command);
}

void Expectations::expectProperty(const ScenarioCommand& command) {
    const ControlName name = *ArgumentValues::control(command.args[0]);
    const PropertyName property = *ArgumentValues::property(command.args[1]);
    forms::Control& control = windows_.lookAt(name.window, name.control, command.line);
    QString value;
    try {
        const std::optional<QString> shown = stage_.shown(control, property.name, property.args);
        value = shown ? *shown : control.property(property.name, property.args);
    } catch (const core::RuntimeError& error) {
        throw ScenarioAbort{command.line, QStringLiteral("cannot read %1 of %2: %3")
                                              .arg(command.args[1].text, name.text(), error.description())};
    }
    compare(command, name.text() + u' ' + command.args[1].text, value, forms_.inText(command.args[2].text));
}

void Expectations::expectWindow(const ScenarioCommand& command) {
    const bool open = windows_.isOpen(command.args[1].text);
    const bool wanted = command.args[2].isWord(u"open");
    if (open != wanted)
        throw ScenarioAbort{command.line, QStringLiteral("window %1 is %2, expected %3")
                                              .arg(command.args[1].text, open ? u"open" : u"closed",
                                                   wanted ? u"open" : u"closed")};
}

// The file's exact content: the lines given, separated by CRLF, or a golden file's bytes, whatever the
// locale.
void Expectations::expectFile(const ScenarioCommand& command) {
    const QString name = command.args[1].text;
    const QString content = QString::fromLatin1(fileBytes(command, setup_.inFolder(name)));
    if (command.args.size() == 4) {
        const QString golden = QString::fromLatin1(fileBytes(command, command.args[3].text));
        return compareLines(command, QStringLiteral("file ") + name, content,
                            golden.split(QStringLiteral("\r\n")), QStringLiteral("\r\n"));
    }
    QStringList wanted;
    for (const QString& line : command.block)
        wanted << forms_.numbersIn(line);
    compareLines(command, QStringLiteral("file ") + name, content, wanted, QStringLiteral("\r\n"));
}

// The text the last copy put on the clipboard: a line feed after each line given.
void Expectations::expectClipboard(const ScenarioCommand& command) {
    QStringList wanted;
    for (const QString& line : command.block)
        wanted << forms_.inText(line);
    wanted << QString();
    compareLines(command, QStringLiteral("the clipboard"), stage_.clipboardText(), wanted,
                 QStringLiteral("\n"));
}

// The page objects of a PDF file ("/Type /Page", not the "/Pages" that holds them).
qsizetype Expectations::pdfPages(const ScenarioCommand& command) {
    const QString content = QString::fromLatin1(fileBytes(command, setup_.inFolder(command.args[1].text)));
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    return content.count(page);
}

QByteArray Expectations::fileBytes(const ScenarioCommand& command, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ScenarioAbort{command.line, QStringLiteral("file %1 cannot be read").arg(path)};
    return file.readAll();
}

// Names the first line that differs.
void Expectations::compareLines(const ScenarioCommand& command, const QString& what, const QString& content,
                                const QStringList& wanted, const QString& separator) {
    if (content == wanted.join(separator)) return;
    const QStringList got = content.split(separator);
    qsizetype i = 0;
    while (i < got.size() && i < wanted.size() && got[i] == wanted[i])
        ++i;
    const QString where = QStringLiteral("line %1 of %2").arg(i + 1).arg(what);
    if (i >= got.size()) throw ScenarioAbort{command.line, where + QStringLiteral(" is missing")};
    if (i >= wanted.size())
        throw ScenarioAbort{command.line,
                            where +
                                QStringLiteral(" is %1, expected the end").arg(TextEscapes::quoted(got[i]))};
    compare(command, where, got[i], wanted[i]);
}

void Expectations::compare(const ScenarioCommand& command, const QString& what, const QString& got,
                           const QString& wanted) {
    if (got == wanted) return;
    throw ScenarioAbort{command.line, QStringLiteral("%1 is %2, expected %3")
                                          .arg(what, TextEscapes::quoted(got), TextEscapes::quoted(wanted))};
}

} // namespace scenario
