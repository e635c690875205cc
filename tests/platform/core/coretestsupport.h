// Helpers of the conversion tests: the error number a call fails with, and temporary regional settings.
#pragma once

#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"

namespace coretest {

// 0 when the call does not fail.
template <typename Call> qint64 errorNumberOf(Call&& call) {
    try {
        call();
    } catch (const rt::RuntimeError& error) {
        return error.number();
    }
    return 0;
}

// Swaps in other regional settings for one test and restores the previous ones afterwards.
class ScopedRegional {
  public:
    explicit ScopedRegional(const rt::Regional& settings) : saved_(rt::regional()) {
        rt::setRegional(settings);
    }
    ~ScopedRegional() { rt::setRegional(saved_); }
    ScopedRegional(const ScopedRegional&) = delete;
    ScopedRegional& operator=(const ScopedRegional&) = delete;

  private:
    rt::Regional saved_;
};

// Continental settings: comma as decimal point, dot as thousands separator.
inline rt::Regional commaDecimalRegional() {
    rt::Regional settings;
    settings.decimalPoint = QLatin1Char(',');
    settings.thousandsSeparator = QLatin1Char('.');
    return settings;
}

} // namespace coretest
