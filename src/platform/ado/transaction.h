// A transaction for the lifetime of a scope: rolled back unless committed.
#pragma once

#include "connection.h"

namespace ado {

class Transaction {
public:
    explicit Transaction(const ConnectionPtr& connection) : connection_(connection) {
        connection_->beginTrans();
    }
    ~Transaction() {
        if (open_) {
            try {
                connection_->rollbackTrans();
            } catch (...) {
                // The engine already gave the work up; nothing is left to undo.
            }
        }
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit() {
        connection_->commitTrans();
        open_ = false;
    }

private:
    ConnectionPtr connection_;
    bool open_ = true;
};

} // namespace ado
