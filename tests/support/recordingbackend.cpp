// Records message boxes and errors of the code under test.
#include "recordingbackend.h"

namespace testing_support {

RecordingBackend::RecordingBackend() {
    backend.onMessage = [this](const forms::MessageBoxRequest& request) {
        messages.push_back(request);
        if (answers.empty()) {
            const auto standing = standingAnswers.find(request.text);
            return standing == standingAnswers.end() ? request.defaultResult() : standing->second;
        }
        const forms::MsgResult answer = answers.front();
        answers.pop_front();
        return answer;
    };
    forms::Runtime::setBackend(&backend);
    suite::setErrorNotifier([this](const suite::ErrorRecord& record) { errors.push_back(record); });
}

QStringList RecordingBackend::messageTexts() const {
    QStringList texts;
    for (const auto& message : messages)
        texts << message.text;
    return texts;
}

RecordingBackend::~RecordingBackend() {
    forms::Runtime::setBackend(nullptr);
    suite::setErrorNotifier(nullptr);
}

} // namespace testing_support
