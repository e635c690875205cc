// Mapping of SQLite's result codes to the runtime's database error numbers.
#include "sqliteerror.h"

#include "platform/core/runtimeerror.h"

#include <sqlite3.h>

namespace ado::sqlite {

namespace {

// Refused texts (syntax, unknown names) fail while preparing; everything else fails while running.
qint64 errorNumber(int resultCode, Stage stage) {
    switch (resultCode & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return core::err::DbTimeout;
    case SQLITE_CONSTRAINT:
        return core::err::DbConstraintViolation;
    case SQLITE_ERROR:
        return stage == Stage::Prepare ? core::err::DbStatementRejected : core::err::DbFailure;
    default:
        return core::err::DbFailure;
    }
}

} // namespace

void raiseEngineError(sqlite3* db, int resultCode, Stage stage) {
    QString message =
        db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(resultCode));
    raiseDriverError(errorNumber(resultCode, stage), message);
}

void raiseDriverError(qint64 number, const QString& description) {
    throw core::RuntimeError(number, description, driverName);
}

} // namespace ado::sqlite
