// Preparing statements under fresh names and deallocating those no longer used.
#include "postgresprepared.h"

#include "postgresstatement.h"

namespace ado::postgres {

PreparedStatements::Prepared PreparedStatements::prepare(const QString& sql, const std::vector<Oid>& types) {
    const QByteArray name = "ado_" + QByteArray::number(++prepared_);
    std::vector<QByteArray> released;
    released.swap(unused_);
    return {name, postgres::prepare(connection_, released, name, sql, types)};
}

} // namespace ado::postgres
