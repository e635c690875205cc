// A fault put in front of a connection's engine: one statement fails on purpose, the others run.
#pragma once

#include "platform/ado/connection.h"

#include <memory>

namespace testing_support {

// The statements that reached the engine since the fault was put in, and the one that fails.
struct InjectedFault {
    // The statement to fail, counted from 1; 0 fails none and only counts.
    long failAt = 0;
    long statements = 0;
};

// Puts a fault in front of the open connection's engine: recordsets and commands on the connection meet
// it too. The statements reaching the engine (execute, query, insert, each of firstValues, callProcedure;
// neither the transaction calls nor native scripts) are counted, and the `failAt`-th fails with DbFailure
// instead of running. The fault returned stays readable and may be changed (another statement to fail, the
// count set back) while the connection lives; error 3704 when the connection is not open.
std::shared_ptr<InjectedFault> injectFault(ado::Connection& connection, long failAt = 0);

} // namespace testing_support
