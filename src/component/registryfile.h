// The registry file of our component: the ProgID's and the class id's sections, written and removed.
#pragma once

#include <QString>

namespace component {

struct Registration {
    QString progId;
    QString clsid; // "{...}"
    QString libraryPath;
    QString helpString;
    QString defaultInterface;
};

class RegistryFile {
public:
    // The file the hosts' lookup reads (see k8tr4072_RegistryPath); empty when none can be named.
    static QString path();
    // Replaces any earlier sections of the same ProgID and class id; false when the file cannot be written.
    static bool add(const Registration& entry);
    // Removes exactly the two sections; other entries stay. True when nothing of ours is left.
    static bool remove(const QString& progId, const QString& clsid);
};

} // namespace component
