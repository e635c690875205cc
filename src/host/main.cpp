// receipts-host: opens the receipt register, or runs a scenario with --script.
#include "databaseupgrade.h"
#include "demosetup.h"
#include "guihost.h"
#include "hostoptions.h"
#include "scenariohost.h"

#include <QApplication>
#include <QGuiApplication>
#include <algorithm>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>

namespace {

// A scenario, and the demo set-up and upgrade of an installer, run where there may be no screen.
bool withoutScreen(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        for (const char* headless : {"--script", "--create-demo", "--upgrade-database"})
            if (std::strcmp(argv[i], headless) == 0) return true;
    return false;
}

// The options as given, before an application takes Qt's own (-platform ...) off the command line; none
// when they do not parse without that.
std::optional<host::HostOptions> plainOptions(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    try {
        return host::HostOptions::parse(arguments);
    } catch (const host::OptionError&) {
        return std::nullopt;
    }
}

// --help and --version, which need no application and so no display; -1 when neither is asked for.
int answerQuestions(const host::HostOptions& options) {
    if (options.help) {
        std::cout << host::HostOptions::usage().toStdString();
        return 0;
    }
    if (options.version) {
        std::cout << "receipts-host " RECEIPTS_VERSION "\n";
        return 0;
    }
    return -1;
}

// The platform Qt starts the windows on: -platform's, else QT_QPA_PLATFORM's (a list tried in turn); empty
// for its default, which is X11 or Wayland.
QByteArray platformName(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0) return argv[i + 1];
    return qgetenv("QT_QPA_PLATFORM");
}

// Whether a display is there for the platform: X11's and Wayland's name theirs in the environment; the
// others (offscreen, a framebuffer, VNC) need none.
bool hasDisplay(const QByteArray& platform) {
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (platform.isEmpty()) return x11 || wayland;
    const QList<QByteArray> names = platform.split(';');
    return std::any_of(names.begin(), names.end(), [&](const QByteArray& name) {
        if (name.startsWith("xcb")) return x11;
        if (name.startsWith("wayland")) return wayland;
        return true;
    });
}

} // namespace

int main(int argc, char** argv) {
    if (const auto plain = plainOptions(argc, argv)) {
        if (const int status = answerQuestions(*plain); status >= 0) return status;
    }
    // A scenario shows nothing, yet reports are laid out with fonts: an offscreen screen serves it.
    // The GUI takes Qt's own options (-platform ...) off the command line.
    std::unique_ptr<QCoreApplication> application;
    if (withoutScreen(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else if (hasDisplay(platformName(argc, argv))) {
        application = std::make_unique<QApplication>(argc, argv);
    } else {
        std::cerr << "receipts-host: no display to open the register on (DISPLAY names none); without a "
                     "screen, run a scenario: receipts-host --script FILE\n";
        return 2;
    }
    QCoreApplication::setApplicationName(QStringLiteral("Receipts"));
    host::HostOptions options;
    try {
        options = host::HostOptions::parse(QCoreApplication::arguments().mid(1));
    } catch (const host::OptionError& error) {
        std::cerr << "receipts-host: " << error.what() << "\n" << host::HostOptions::usage().toStdString();
        return 2;
    }
    if (const int status = answerQuestions(options); status >= 0) return status;
    if (options.createDemo) return host::DemoSetup::run(options);
    if (options.upgradeDatabase) return host::DatabaseUpgrade::run(options);
    return options.script.isEmpty() ? host::GuiHost::run(options) : host::ScenarioHost::run(options);
}
