// Conversion between day counts and date-times.
#include "oledate.h"

#include <cmath>

namespace component {

namespace {

constexpr double MillisecondsPerDay = 86400000.0;
constexpr double FirstDay = -657434.0; // 1 January 100
constexpr double LastDay = 2958466.0;  // 1 January 10000, excluded

QDate baseDay() {
    return QDate(1899, 12, 30);
}

} // namespace

bool OleDate::inRange(double days) {
    return std::isfinite(days) && days >= FirstDay && days < LastDay;
}

// The fraction is the time on the clock, not time elapsed since midnight: on a day when the clocks
// change, .5 still reads 12:00.
QDateTime OleDate::toDateTime(double days) {
    const double whole = std::trunc(days);
    qint64 milliseconds = std::llround(std::fabs(days - whole) * MillisecondsPerDay);
    QDate day = baseDay().addDays(static_cast<qint64>(whole));
    if (milliseconds >= static_cast<qint64>(MillisecondsPerDay)) {
        day = day.addDays(1);
        milliseconds -= static_cast<qint64>(MillisecondsPerDay);
    }
    return QDateTime(day, QTime::fromMSecsSinceStartOfDay(static_cast<int>(milliseconds)));
}

double OleDate::fromDateTime(const QDateTime& moment) {
    if (!moment.isValid()) return 0.0;
    const double whole = static_cast<double>(baseDay().daysTo(moment.date()));
    const double fraction = moment.time().msecsSinceStartOfDay() / MillisecondsPerDay;
    return whole < 0 ? whole - fraction : whole + fraction;
}

} // namespace component
