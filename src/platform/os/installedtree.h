// The installed tree the running program belongs to: under one root, the programs in bin/, the component
// library in lib/receipts/ and the program's own files in share/receipts/. It is found from the file of
// the program or library that runs this code, so an installed tree works wherever it was unpacked.
#pragma once

#include <QString>

namespace os {

// The root of the installed tree whose programs or component library lie in `moduleFolder`; empty for any
// other folder, such as one of the build tree.
QString installedRoot(const QString& moduleFolder);
// `relative` under the root of the installed tree the running program or library lies in; empty when it
// runs from elsewhere (the build tree).
QString installedPath(const QString& relative);

} // namespace os
