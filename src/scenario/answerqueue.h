// The message boxes a scenario expects, in order, with the button that answers each.
#pragma once

#include "localeforms.h"

#include "platform/forms/runtime.h"

#include <QString>
#include <deque>
#include <optional>

namespace scenario {

class AnswerQueue {
public:
    struct Answer {
        int line = 0;
        QString text;
        forms::MsgResult button = forms::MsgResult::OK;
    };

    void add(const Answer& answer) { answers_.push_back(answer); }
    // The next answer if it matches the box exactly, its numbers and dates written as the run shows them,
    // and names one of its buttons; throws ScenarioAbort at the given line otherwise.
    Answer take(const forms::MessageBoxRequest& request, int line, const LocaleForms& forms);
    // The first answer no message box has used.
    std::optional<Answer> firstLeft() const;

private:
    std::deque<Answer> answers_;
};

} // namespace scenario
