// A register window with only what the shared procedures use: a grid, a query, a connection.
#pragma once

#include "module/session.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"

namespace testing_support {

class StubRegister : public forms::Form, public module::RegisterWindow {
public:
    StubRegister() : Form(QStringLiteral("FrmMaster"), QStringLiteral("Receipts")), flexMaster(*this, "flexMaster") {}
    ado::ConnectionPtr& adocon() override { return connection; }
    forms::Grid& grid() override { return flexMaster; }
    const QString& gridQuery() const override { return query; }
    forms::Grid flexMaster;
    ado::ConnectionPtr connection;
    QString query;
};

} // namespace testing_support
