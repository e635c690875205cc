// A headless backend that records message boxes and answers them from a queue, and records errors.
#pragma once

#include "platform/forms/headlessbackend.h"
#include "shared/services/errordetails.h"

#include <QStringList>
#include <deque>
#include <map>
#include <vector>

namespace testing_support {

class RecordingBackend {
public:
    RecordingBackend();
    ~RecordingBackend();

    forms::HeadlessBackend backend;
    std::vector<forms::MessageBoxRequest> messages;
    std::vector<suite::ErrorRecord> errors;
    // Answers for the next message boxes; then the standing answer for the text; then the default button.
    std::deque<forms::MsgResult> answers;
    std::map<QString, forms::MsgResult> standingAnswers;
    // The texts of the message boxes shown, in order.
    QStringList messageTexts() const;
};

} // namespace testing_support
