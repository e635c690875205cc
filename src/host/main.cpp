// receipts-host: opens the receipt register, or runs a scenario with --script.
#include "demosetup.h"
#include "guihost.h"
#include "hostoptions.h"
#include "scenariohost.h"

#include <QApplication>
#include <QGuiApplication>
#include <cstring>
#include <iostream>
#include <memory>

namespace {

// A scenario and the demo set-up of an installer run where there may be no screen.
bool withoutScreen(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--script") == 0 || std::strcmp(argv[i], "--create-demo") == 0) return true;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    // A scenario shows nothing, yet reports are laid out with fonts: an offscreen screen serves it.
    // The GUI takes Qt's own options (-platform ...) off the command line.
    std::unique_ptr<QCoreApplication> application;
    if (withoutScreen(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("Receipts"));
    host::HostOptions options;
    try {
        options = host::HostOptions::parse(QCoreApplication::arguments().mid(1));
    } catch (const host::OptionError& error) {
        std::cerr << "receipts-host: " << error.what() << "\n" << host::HostOptions::usage().toStdString();
        return 2;
    }
    if (options.help) {
        std::cout << host::HostOptions::usage().toStdString();
        return 0;
    }
    if (options.createDemo) return host::DemoSetup::run(options);
    return options.script.isEmpty() ? host::GuiHost::run(options) : host::ScenarioHost::run(options);
}
