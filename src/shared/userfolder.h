// The application folder of the register on the screen: the one asked for, or the user's data folder.
#pragma once

#include <QString>

namespace shared {

class UserFolder {
public:
    // The folder, created when missing and given the settings file of a first run; an empty request
    // means the user's data folder of the running application.
    static QString prepare(const QString& requested);
};

} // namespace shared
