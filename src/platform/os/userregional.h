// The regional settings of the register on the screen, taken from the user's locale.
#pragma once

#include "platform/core/conversions.h"

#include <QLocale>

namespace os {

class UserRegional {
public:
    // The locale's short date form with the year always in full, its decimal point and its group
    // separator (a blank when the locale has none).
    static core::Regional of(const QLocale& locale);
    // Makes the conversions and formats follow the user's locale.
    static void apply();
};

} // namespace os
