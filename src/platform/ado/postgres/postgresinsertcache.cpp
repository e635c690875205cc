// Inserts prepared once per column list and run with each row's values.
#include "postgresinsertcache.h"

#include "postgreserror.h"
#include "postgresstatement.h"

#include <QSqlError>

namespace ado::postgres {

void InsertCache::run(const QString& sql, const QVariantList& values) {
    QSqlQuery& insert = statements_.shape(sql, [&] { return prepared(database_, sql); });
    for (int i = 0; i < values.size(); ++i)
        insert.bindValue(i, values[i]);
    if (!insert.exec()) raiseFailure(insert.driver(), insert.lastError());
}

} // namespace ado::postgres
