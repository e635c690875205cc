// Shared pieces of the forms tests: an event log and a headless backend installed for one test.
#pragma once

#include "platform/core/runtimeerror.h"
#include "platform/forms/headlessbackend.h"

#include <QStringList>
#include <gtest/gtest.h>

// Lets failed expectations print texts readably.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace forms::test {

// Records the events a test wires up, in the order they ran.
struct EventLog {
    QStringList events;
    std::function<void()> note(const QString& event) {
        return [this, event] { events << event; };
    }
    QString text() const { return events.join(QLatin1Char(' ')); }
};

// A headless backend that is the runtime's backend while the object lives.
struct BackendScope : HeadlessBackend {
    BackendScope() { Runtime::setBackend(this); }
    ~BackendScope() override { Runtime::setBackend(nullptr); }
};

// The description of the RuntimeError an action throws, or an empty text when none is thrown.
template <typename Action> QString failure(Action action, qint64 expectedNumber = rt::err::InvalidCall) {
    try {
        action();
    } catch (const rt::RuntimeError& error) {
        EXPECT_EQ(error.number(), expectedNumber) << error.description().toStdString();
        return error.description();
    }
    return QString();
}

} // namespace forms::test
