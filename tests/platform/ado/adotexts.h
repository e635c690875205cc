// What the data access tests compare: a runtime error and a statement's rows, each as one text.
#pragma once

#include "platform/ado/connectionstring.h"
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

// The server reached through Debian's PostgreSQL ODBC driver. psqlODBC's own rollback of a failed statement
// wraps each statement in a savepoint of its own, and releasing that one releases the savepoints of the
// nested transactions set after it: "Protocol=7.4-1" leaves a failed statement to the transaction, as the
// other drivers do.
inline QString odbcTarget(const ado::ConnectionString& server) {
    return QString("Driver=odbc;Odbc Driver=PostgreSQL Unicode;Protocol=7.4-1;Server=%1;Port=%2;Database=%3;"
                   "UID=%4;PWD=%5")
        .arg(server.host, server.port, server.database, server.user, server.password);
}

} // namespace adotest
