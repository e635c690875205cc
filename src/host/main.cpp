// receipts-host: opens the receipt register, or runs a scenario with --script.
#include "componentclient.h"
#include "databaseupgrade.h"
#include "demosetup.h"
#include "guihost.h"
#include "hostoptions.h"
#include "scenariohost.h"

#include "k8tr4072.h"

#include <QApplication>
#include <QGuiApplication>
#include <algorithm>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>

namespace {

bool hasOption(int argc, char** argv, const char* option) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], option) == 0) return true;
    return false;
}

// A scenario, and the demo set-up and upgrade of an installer, run where there may be no screen.
bool withoutScreen(int argc, char** argv) {
    return hasOption(argc, argv, "--script") || hasOption(argc, argv, "--create-demo") ||
           hasOption(argc, argv, "--upgrade-database");
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

// Which library the host loads and the registry that decides it: a registration another installation
// left (a build tree's library) is followed by every host, so --version names it.
std::string componentLine(const host::ComponentChoice& choice) {
    QString line = QStringLiteral("component: ") + choice.library;
    if (choice.registered)
        line += QStringLiteral(", registered in ") + choice.registry;
    else if (choice.registry.isEmpty())
        line +=
            QStringLiteral(", not registered: no registry file (neither HOME nor K8TR4072_REGISTRY is set)");
    else
        line += QStringLiteral(", registered in %1 when the register opens").arg(choice.registry);
    return line.toStdString() + "\n";
}

// --register-component and --unregister-component, which the package runs as root when it is installed and
// removed: its own library takes the place of whatever the registry named.
int changeRegistration(const host::HostOptions& options) {
    const QString library = host::ComponentClient::ownLibrary(options.component);
    try {
        const host::ComponentChoice before = host::ComponentClient::choice(library);
        if (options.registerComponent) {
            const host::ComponentChoice after = host::ComponentClient::registerLibrary(library);
            std::cout << "receipts-host: " K8TR4072_PROGID " registered in " << after.registry.toStdString()
                      << ": " << after.library.toStdString();
            if (before.registered && before.library != after.library)
                std::cout << " (in place of " << before.library.toStdString() << ")";
            std::cout << "\n";
        } else {
            host::ComponentClient::unregisterLibrary(library);
            const host::ComponentChoice after = host::ComponentClient::choice(library);
            if (after.registered)
                std::cout << "receipts-host: " << after.registry.toStdString() << " names "
                          << after.library.toStdString() << " for " K8TR4072_PROGID ": left as it is\n";
            else if (before.registered)
                std::cout << "receipts-host: " K8TR4072_PROGID " unregistered from "
                          << before.registry.toStdString() << "\n";
        }
    } catch (const host::ComponentError& error) {
        std::cerr << "receipts-host: " << error.what() << "\n";
        return 1;
    }
    return 0;
}

// --help, --version and the registration, which need no application and so no display; -1 when none of
// them is asked for.
int answerQuestions(const host::HostOptions& options) {
    if (options.help) {
        std::cout << host::HostOptions::usage().toStdString();
        return 0;
    }
    if (options.version) {
        std::cout << "receipts-host " RECEIPTS_VERSION "\n"
                  << componentLine(
                         host::ComponentClient::choice(host::ComponentClient::ownLibrary(options.component)));
        return 0;
    }
    if (options.registerComponent || options.unregisterComponent) return changeRegistration(options);
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
        // A scenario played on the screen has its windows drawn offscreen, unless a platform is named.
        const bool screen = hasOption(argc, argv, "--screen");
        if (!screen || qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (screen)
            application = std::make_unique<QApplication>(argc, argv);
        else
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
