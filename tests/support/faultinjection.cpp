// The driver that counts the statements passed on to the engine's driver and fails the one asked for.
#include "faultinjection.h"

#include "platform/ado/driver.h"
#include "platform/core/runtimeerror.h"

namespace testing_support {

namespace {

class FaultInjectingDriver : public ado::Driver {
public:
    FaultInjectingDriver(std::unique_ptr<ado::Driver> engine, std::shared_ptr<InjectedFault> fault)
        : engine_(std::move(engine)), fault_(std::move(fault)) {}

    QString name() const override { return engine_->name(); }
    void open(const ado::ConnectionString& target) override { engine_->open(target); }
    void close() override { engine_->close(); }
    void setTimeout(int seconds) override { engine_->setTimeout(seconds); }
    void setLockTimeout(int seconds) override { engine_->setLockTimeout(seconds); }

    void begin() override { engine_->begin(); }
    void commit() override { engine_->commit(); }
    void rollback() override { engine_->rollback(); }
    int transactionLevel() const override { return engine_->transactionLevel(); }

    long execute(const QString& sql) override {
        countStatement();
        return engine_->execute(sql);
    }
    std::unique_ptr<ado::Cursor> query(const QString& sql) override {
        countStatement();
        return engine_->query(sql);
    }
    void insert(const QString& table, const QStringList& columns, const QVariantList& values) override {
        countStatement();
        engine_->insert(table, columns, values);
    }
    // Each query counts; they reach the engine together.
    QVariantList firstValues(const QStringList& queries) override {
        for (qsizetype i = 0; i < queries.size(); ++i)
            countStatement();
        return engine_->firstValues(queries);
    }
    void holdAddedRows() override { engine_->holdAddedRows(); }
    void callProcedure(const QString& name, const QVariantList& parameters) override {
        countStatement();
        engine_->callProcedure(name, parameters);
    }
    void executeNative(const QString& script) override { engine_->executeNative(script); }
    bool lost() override { return engine_->lost(); }
    void reopen() override { engine_->reopen(); }
    void installFunctions() override { engine_->installFunctions(); }
    bool functionsInstalled() override { return engine_->functionsInstalled(); }
    void lockSchemaChanges() override { engine_->lockSchemaChanges(); }

private:
    std::unique_ptr<ado::Driver> engine_;
    std::shared_ptr<InjectedFault> fault_;

    void countStatement() {
        if (++fault_->statements != fault_->failAt) return;
        throw core::RuntimeError(core::err::DbFailure,
                                 QStringLiteral("Fault injected at statement %1.").arg(fault_->statements),
                                 engine_->name());
    }
};

} // namespace

std::shared_ptr<InjectedFault> injectFault(ado::Connection& connection, long failAt) {
    auto fault = std::make_shared<InjectedFault>(InjectedFault{failAt});
    connection.wrapDriver([&](std::unique_ptr<ado::Driver> engine) -> std::unique_ptr<ado::Driver> {
        return std::make_unique<FaultInjectingDriver>(std::move(engine), fault);
    });
    return fault;
}

} // namespace testing_support
