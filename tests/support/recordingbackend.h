// A headless backend that records message boxes and answers them from a queue, and records errors.
#pragma once

#include "platform/forms/headlessbackend.h"
#include "platform/suite/errordetails.h"

#include <deque>
#include <vector>

namespace testing_support {

class RecordingBackend {
public:
    RecordingBackend();
    ~RecordingBackend();

    forms::HeadlessBackend backend;
    std::vector<forms::MessageBoxRequest> messages;
    std::vector<suite::ErrorRecord> errors;
    // Answers for the next message boxes; the default button when none is queued.
    std::deque<forms::MsgResult> answers;
};

} // namespace testing_support
