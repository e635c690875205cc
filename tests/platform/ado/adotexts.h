// What the data access tests compare: a runtime error and a statement's rows, each as one text.
#pragma once

#include "platform/ado/recordset.h"
#include "platform/core/conversions.h"
#include "platform/core/runtimeerror.h"

#include <QDateTime>
#include <QStringList>
#include <gtest/gtest.h>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { // readable texts in failure messages
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace adotest {

// "error NUMBER from SOURCE: TEXT" of the runtime error `work` throws, "" when it throws none.
template <typename Work> QString errorText(Work work) {
    try {
        work();
    } catch (const core::RuntimeError& e) {
        return QString("error %1 from %2: %3").arg(e.number()).arg(e.source(), e.description());
    }
    return {};
}

// A value as the rows show it: null, a number, a quoted text, a date to the millisecond.
inline QString shown(const QVariant& v) {
    if (core::isNull(v)) return "null";
    if (v.typeId() == QMetaType::QDateTime) return v.toDateTime().toString("yyyy-MM-dd hh:mm:ss.zzz");
    return v.typeId() == QMetaType::QString ? '\'' + v.toString() + '\'' : v.toString();
}

// A statement's rows: values joined by ", ", rows by "; "; or its error.
inline QString rows(const QString& sql, const ado::ConnectionPtr& on) {
    QStringList rows;
    const QString error = errorText([&] {
        ado::Recordset rs;
        for (rs.open(sql, on); !rs.eof(); rs.moveNext()) {
            QStringList values;
            for (int i = 0; i < rs.fieldCount(); ++i)
                values << shown(rs.field(i));
            rows << values.join(", ");
        }
    });
    return error.isEmpty() ? rows.join("; ") : error;
}

} // namespace adotest
