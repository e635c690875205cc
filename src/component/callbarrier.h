// Nothing thrown inside the component crosses to the host.
#pragma once

#include <exception>
#include <utility>

namespace component {

// Logs a failure a call did not expect (the error log names the entry point), and never throws itself.
void logUnexpected(const char* entryPoint, const char* what) noexcept;

// Runs the body of an entry point or of a slot of the component's interface. An exception the body lets out
// (an allocation that failed, an error no trap caught) would be undefined behaviour in a host written in C,
// usually its end: it is logged, and the call answers `failure`.
template <class Result, class Body>
Result guarded(const char* entryPoint, Result failure, Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (const std::exception& error) {
        logUnexpected(entryPoint, error.what());
    } catch (...) {
        logUnexpected(entryPoint, "an exception of no known kind");
    }
    return failure;
}

} // namespace component
