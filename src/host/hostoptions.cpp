// Reading the command line.
#include "hostoptions.h"

#include "databasetarget.h"

#include <QLocale>
#include <functional>
#include <map>

namespace host {
namespace {

[[noreturn]] void fail(const QString& message) {
    throw OptionError(message.toStdString());
}

qint32 number(const QString& option, const QString& value) {
    bool ok = false;
    const qint32 result = value.toInt(&ok);
    if (!ok) fail(option + QStringLiteral(" needs a whole number, not \"") + value + QLatin1Char('"'));
    return result;
}

QDate isoDate(const QString& option, const QString& value) {
    const QDate date = QDate::fromString(value, Qt::ISODate);
    if (!date.isValid())
        fail(option + QStringLiteral(" needs a date written YYYY-MM-DD, not \"") + value + '"');
    return date;
}

// A name QLocale knows as it is written: a name it does not know would quietly give the C locale.
QString localeName(const QString& option, const QString& value) {
    if (QLocale(value).name() != value)
        fail(option + QStringLiteral(" needs a locale such as de_DE, not \"") + value + QLatin1Char('"'));
    return value;
}

using Setter = std::function<void(HostOptions&, const QString& option, const QString& value)>;

const std::map<QString, Setter>& valueOptions() {
    static const std::map<QString, Setter> setters = {
        {QStringLiteral("--database"),
         [](HostOptions& o, const QString&, const QString& v) { o.database = DatabaseTarget::checked(v); }},
        {QStringLiteral("--folder"), [](HostOptions& o, const QString&, const QString& v) { o.folder = v; }},
        {QStringLiteral("--script"), [](HostOptions& o, const QString&, const QString& v) { o.script = v; }},
        {QStringLiteral("--component"),
         [](HostOptions& o, const QString&, const QString& v) { o.component = v; }},
        {QStringLiteral("--locale"),
         [](HostOptions& o, const QString& n, const QString& v) { o.locale = localeName(n, v); }},
        {QStringLiteral("--caption"),
         [](HostOptions& o, const QString&, const QString& v) { o.session.caption = v; }},
        {QStringLiteral("--company"),
         [](HostOptions& o, const QString& n, const QString& v) { o.session.companyId = number(n, v); }},
        {QStringLiteral("--shop"),
         [](HostOptions& o, const QString& n, const QString& v) { o.session.shopId = number(n, v); }},
        {QStringLiteral("--user"),
         [](HostOptions& o, const QString& n, const QString& v) { o.session.userId = number(n, v); }},
        {QStringLiteral("--financial"),
         [](HostOptions& o, const QString& n, const QString& v) { o.session.financialId = number(n, v); }},
        {QStringLiteral("--date"),
         [](HostOptions& o, const QString& n, const QString& v) { o.session.processDate = isoDate(n, v); }},
    };
    return setters;
}

// The options without a value, each setting its flag.
bool HostOptions::*flagOption(const QString& option) {
    static const std::pair<QLatin1String, bool HostOptions::*> flags[] = {
        {QLatin1String("--help"), &HostOptions::help},
        {QLatin1String("-h"), &HostOptions::help},
        {QLatin1String("--version"), &HostOptions::version},
        {QLatin1String("--create-demo"), &HostOptions::createDemo},
        {QLatin1String("--upgrade-database"), &HostOptions::upgradeDatabase},
        {QLatin1String("--register-component"), &HostOptions::registerComponent},
        {QLatin1String("--unregister-component"), &HostOptions::unregisterComponent},
        {QLatin1String("--screen"), &HostOptions::screen}};
    for (const auto& [name, flag] : flags)
        if (option == name) return flag;
    return nullptr;
}

} // namespace

HostOptions HostOptions::parse(const QStringList& arguments) {
    HostOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments[i];
        if (bool HostOptions::*flag = flagOption(option)) {
            options.*flag = true;
            continue;
        }
        const auto setter = valueOptions().find(option);
        if (setter == valueOptions().end())
            fail(QStringLiteral("unknown option \"") + option + QLatin1Char('"'));
        if (i + 1 >= arguments.size()) fail(option + QStringLiteral(" needs a value"));
        setter->second(options, option, arguments[++i]);
    }
    return options;
}

QString HostOptions::usage() {
    return QStringLiteral(
        "Usage: receipts-host [options]\n"
        "Opens the receipt register of a shop; with --script, runs a scenario without a screen.\n"
        "  --database PATH   the shop database: an SQLite file, or a connection string such as\n"
        "                    Driver=postgres;Host=H;Port=P;Database=D;User=U;Password=W\n"
        "                    or Driver=postgres;Service=NAME (a value in braces holds any\n"
        "                    character: Password={a;b}} c} is a;b} c)\n"
        "                    (default: receipts.db in the application folder, created with the\n"
        "                    demo shop when missing)\n"
        "  --create-demo     set up the demo shop on the empty database --database names and exit\n"
        "  --upgrade-database  bring the shop database --database names up to date and exit: its\n"
        "                    owner runs it once after installing a new version (counters may be open)\n"
        "  --folder DIR      the application folder (default: the user's data folder; for a\n"
        "                    scenario, a fresh temporary folder)\n"
        "  --company N       company id (default 1)\n"
        "  --shop N          shop id (default 1)\n"
        "  --user N          user id (default 1)\n"
        "  --financial N     financial-year id (default 1)\n"
        "  --date YYYY-MM-DD\n"
        "                    process date (default today)\n"
        "  --caption TEXT    title of the message boxes (default \"Receipts\")\n"
        "  --component PATH  the component library to register when the registry has none\n"
        "                    (default: the one installed with this program)\n"
        "  --register-component  register the component library in place of any library the\n"
        "                    registry names for it, and exit (the package does it when installed)\n"
        "  --unregister-component  remove the registration of the component library, and exit;\n"
        "                    a registration naming another library is left as it is\n"
        "  --script FILE     run the scenario FILE and print its transcript\n"
        "  --screen          with --script: act on the windows as a user does, through the screen\n"
        "                    (offscreen unless QT_QPA_PLATFORM names another platform)\n"
        "  --locale NAME     with --script: run in the locale NAME (en_US, de_DE, ...), the\n"
        "                    scenario's numbers and dates typed and read as that locale writes them\n"
        "  --version         the program's version and the component library it loads\n"
        "  --help            this text\n");
}

} // namespace host
