// Commands: a statement or a stored procedure run on the active connection.
#include "command.h"

#include "adoerror.h"
#include "driver.h"

namespace ado {

void Command::execute() {
    if (!connection_) throw adoError(err::ConnectionUnusable);
    if (type_ == CommandType::StoredProcedure) {
        connection_->engine().callProcedure(text_, parameters_);
        return;
    }
    // Statement texts are run as they are; placeholders for parameters are not taken.
    if (!parameters_.isEmpty()) throw adoError(err::BadArguments);
    connection_->execute(text_);
}

} // namespace ado
