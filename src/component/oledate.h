// Dates as hosts of the component pass them: days since 30 December 1899, the time in the fraction.
#pragma once

#include <QDateTime>

namespace component {

class OleDate {
public:
    // Before the base day the whole days count back while the fraction still counts forward.
    static QDateTime toDateTime(double days);
    static double fromDateTime(const QDateTime& moment);
    // Whether a value lies in the range hosts accept (years 100 to 9999).
    static bool inRange(double days);
};

} // namespace component
