// The host's command line: database, folder, component, session values and the scenario to run.
#pragma once

#include "scenario/sessionvalues.h"

#include <QStringList>
#include <stdexcept>

namespace host {

class OptionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct HostOptions {
    QString database;  // empty: receipts.db in the application folder
    QString folder;    // empty: the user's data folder, or a fresh folder for a scenario
    QString script;    // empty: the register opens on the screen
    QString component; // empty: the component library installed or built with the host
    QString locale;    // empty: a scenario runs in its own regional form
    bool help = false;
    bool version = false;
    bool createDemo = false;          // set up the demo shop on the empty --database and exit
    bool upgradeDatabase = false;     // bring the --database up to date and exit
    bool registerComponent = false;   // register the --component (or our own) library and exit
    bool unregisterComponent = false; // remove that library's registration and exit
    bool screen = false;              // run the --script through the Qt windows
    scenario::SessionValues session;

    // The arguments after the program name; OptionError names what is wrong.
    static HostOptions parse(const QStringList& arguments);
    static QString usage();
};

} // namespace host
