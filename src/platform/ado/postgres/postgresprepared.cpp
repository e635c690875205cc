// Preparing statements under fresh names and deallocating those no longer used.
#include "postgresprepared.h"

#include "postgresstatement.h"

namespace ado::postgres {

QByteArray PreparedStatements::prepare(const QString& sql, const std::vector<Oid>& types) {
    if (!unused_.isEmpty()) {
        runText(connection_, QString::fromLatin1("deallocate " + unused_.join("; deallocate ")));
        unused_.clear();
    }
    const QByteArray name = "ado_" + QByteArray::number(++prepared_);
    postgres::prepare(connection_, name, sql, types);
    return name;
}

} // namespace ado::postgres
