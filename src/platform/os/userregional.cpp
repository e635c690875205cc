// Regional settings from a locale.
#include "userregional.h"

namespace os {

// A two-digit year would read back in the wrong century, so the year is always shown in full.
core::Regional UserRegional::of(const QLocale& locale) {
    QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    if (!dateFormat.contains(QStringLiteral("yyyy")))
        dateFormat.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    const QString group = locale.groupSeparator();
    return {dateFormat, locale.decimalPoint().at(0), group.isEmpty() ? QChar(u' ') : group.at(0)};
}

void UserRegional::apply() {
    core::setRegional(of(QLocale()));
}

} // namespace os
