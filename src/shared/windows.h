// The component's windows: each exists once, created on first reference, kept until the component goes.
#pragma once

#include "platform/forms/form.h"

#include <map>
#include <memory>
#include <typeindex>

namespace shared {

// The names of the register and the entry window, which their error reports carry also for their
// procedures that run outside their classes (the voucher, the stored receipt's documents).
inline const QString RegisterWindowName = QStringLiteral("FrmMaster");
inline const QString EntryWindowName = QStringLiteral("frmReceiptShop");

class Windows {
public:
    template <class W> W& get() {
        auto& slot = windows_[std::type_index(typeid(W))];
        if (!slot) slot = std::make_unique<W>();
        return static_cast<W&>(*slot);
    }
    void clear() { windows_.clear(); }

private:
    std::map<std::type_index, std::unique_ptr<forms::Form>> windows_;
};

// The windows of the loaded component.
Windows& windows();

} // namespace shared
