// A command: a statement or a stored procedure with positional parameters.
#pragma once

#include "connection.h"

#include <QVariantList>

namespace ado {

enum class CommandType { Text = 1, StoredProcedure = 4 };

class Command {
public:
    void setActiveConnection(const ConnectionPtr& connection) { connection_ = connection; }
    void setCommandText(const QString& text) { text_ = text; }
    void setCommandType(CommandType type) { type_ = type; }
    void appendParameter(const QVariant& value) { parameters_.append(value); }
    const QVariantList& parameters() const { return parameters_; }

    // Runs on the active connection, inside its current transaction.
    void execute();

private:
    ConnectionPtr connection_;
    QString text_;
    CommandType type_ = CommandType::Text;
    QVariantList parameters_;
};

} // namespace ado
