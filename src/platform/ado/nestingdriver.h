// A driver whose engine has one transaction at a time: the module's nested transactions are savepoints in it.
#pragma once

#include "driver.h"

namespace ado {

// The levels and their savepoints, kept the same way for every engine: the outermost level is the engine's
// own transaction, each level inside it a savepoint "ado_level_N". A commit after the engine gave the
// transaction up (transactionFailed) is refused.
class NestingDriver : public Driver {
public:
    void begin() override;
    void commit() override;
    void rollback() override;
    int transactionLevel() const override { return level_; }

protected:
    // The engine's own transaction, for the outermost level.
    virtual void beginTransaction() = 0;
    virtual void commitTransaction() = 0;
    virtual void rollbackTransaction() = 0;
    // "SAVEPOINT name" or "RELEASE SAVEPOINT name", for a level inside the outermost one.
    virtual void runSavepointStatement(const QString& sql) = 0;
    // Back to the savepoint, which is then released.
    virtual void rollbackToSavepoint(const QString& name);
    // Whether a statement's error left the open transaction unable to commit.
    virtual bool transactionFailed() { return false; }
    // The levels end with the connection.
    void forgetTransactions() { level_ = 0; }
    // Error NoTransaction outside any transaction.
    void requireTransaction() const;

private:
    int level_ = 0;
};

} // namespace ado
