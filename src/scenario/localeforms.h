// A scenario's numbers and dates as the locale of the run writes them.
#pragma once

#include "platform/core/conversions.h"

#include <QRegularExpression>
#include <QString>

namespace scenario {

// A scenario writes its numbers and dates in its own regional form (dd/MM/yyyy, "." and ",", unless a
// `locale` line names another); a run in another locale types and reads them as a cashier of that locale
// does. A number keeps its digits and has each separator replaced by the one in the same place of the run's
// form ("1,234.50" is "1.234,50" in German), so that a separator that is wrong where the scenario writes it
// is wrong in the run too; a date is the same day in the run's short date form.
class LocaleForms {
public:
    explicit LocaleForms(const core::Regional& written = {}, const core::Regional& shown = {});

    // A text typed, chosen or expected, and a message: each number and date in it.
    QString inText(const QString& text) const;
    // A line of a file: each number in it (a file lays out its dates in forms of its own).
    QString numbersIn(const QString& text) const;
    // A value a query gives, as the scenario writes it: a number with its decimal point, a date in its short
    // form; empty for null.
    QString valueText(const QVariant& value) const;

private:
    QString number(const QString& digits) const;
    QString date(const QString& text) const;
    QString writtenDate(const QString& shownText) const;
    QString tokens(const QString& text, bool withDates) const;

    core::Regional written_;
    core::Regional shown_;
    bool same_;
    QRegularExpression numberOrDate_;
};

} // namespace scenario
