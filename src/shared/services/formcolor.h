// The suite's colour scheme, applied to each window as it loads.
#pragma once

#include "servicesinterfaces.h"

#include <optional>

namespace suite {

class FormColor : public ClsFormcolor {
public:
    void Applyformcolor(forms::Form& form) override;
    void Applytabcolor(forms::TabControl& tabs) override;

private:
    struct Scheme {
        int backColor;
        int foreColor;
    };
    // The window's own row of aFormColor, else the '*' row, else nothing.
    std::optional<Scheme> schemeFor(const QString& formName);
};

} // namespace suite
