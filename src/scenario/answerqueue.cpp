// Matching message boxes with the queued answers.
#include "answerqueue.h"

#include "argumentvalues.h"
#include "scenarioabort.h"
#include "textescapes.h"

namespace scenario {
namespace {

bool offers(forms::MsgButtons buttons, forms::MsgResult button) {
    using forms::MsgResult;
    switch (buttons) {
    case forms::MsgButtons::OK:
        return button == MsgResult::OK;
    case forms::MsgButtons::OKCancel:
        return button == MsgResult::OK || button == MsgResult::Cancel;
    case forms::MsgButtons::YesNo:
        return button == MsgResult::Yes || button == MsgResult::No;
    case forms::MsgButtons::YesNoCancel:
        return button != MsgResult::OK;
    }
    return false;
}

} // namespace

AnswerQueue::Answer AnswerQueue::take(const forms::MessageBoxRequest& request, int line,
                                      const LocaleForms& forms) {
    const QString shown = TextEscapes::quoted(request.text);
    if (answers_.empty()) throw ScenarioAbort{line, QStringLiteral("unexpected message box ") + shown};
    const Answer answer = answers_.front();
    if (forms.inText(answer.text) != request.text)
        throw ScenarioAbort{line,
                            QStringLiteral("unexpected message box %1; the answer of line %2 expects %3")
                                .arg(shown)
                                .arg(answer.line)
                                .arg(TextEscapes::quoted(answer.text))};
    if (!offers(request.buttons, answer.button))
        throw ScenarioAbort{line, QStringLiteral("message box %1 has no button %2")
                                      .arg(shown, ArgumentValues::buttonName(answer.button))};
    answers_.pop_front();
    return answer;
}

std::optional<AnswerQueue::Answer> AnswerQueue::firstLeft() const {
    if (answers_.empty()) return std::nullopt;
    return answers_.front();
}

} // namespace scenario
