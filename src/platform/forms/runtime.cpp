// The runtime's shared state: backend, application name, modal stack and hourglass depth.
#include "runtime.h"

#include "control.h"
#include "form.h"
#include "headlessbackend.h"

#include <algorithm>

namespace forms {

namespace {

struct RuntimeState {
    Backend* backend = nullptr;
    QString applicationName;
    std::vector<Form*> modalStack;
    int busyDepth = 0;
    quint64 command = 0;
};

RuntimeState& state() {
    static RuntimeState instance;
    return instance;
}

std::vector<MsgResult> buttonResults(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::OKCancel:
        return {MsgResult::OK, MsgResult::Cancel};
    case MsgButtons::YesNo:
        return {MsgResult::Yes, MsgResult::No};
    case MsgButtons::YesNoCancel:
        return {MsgResult::Yes, MsgResult::No, MsgResult::Cancel};
    case MsgButtons::OK:
        break;
    }
    return {MsgResult::OK};
}

} // namespace

// A default button beyond the buttons shown falls back to the first one.
MsgResult MessageBoxRequest::defaultResult() const {
    std::vector<MsgResult> results = buttonResults(buttons);
    return defaultButton >= 1 && defaultButton <= int(results.size()) ? results[defaultButton - 1]
                                                                      : results[0];
}

void Runtime::setBackend(Backend* backend) {
    state().backend = backend;
}

Backend& Runtime::backend() {
    static HeadlessBackend headless;
    return state().backend ? *state().backend : headless;
}

void Runtime::setApplicationName(const QString& name) {
    state().applicationName = name;
}

const QString& Runtime::applicationName() {
    return state().applicationName;
}

MsgResult Runtime::msgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                          int defaultButton) {
    MessageBoxRequest request{text, title.isEmpty() ? applicationName() : title, buttons, icon,
                              defaultButton};
    return backend().messageBox(request);
}

void Runtime::beginCommand() {
    ++state().command;
}

quint64 Runtime::command() {
    return state().command;
}

Form* Runtime::activeForm() {
    const auto& stack = state().modalStack;
    return stack.empty() ? nullptr : stack.back();
}

void Runtime::sendTab() {
    Form* form = activeForm();
    if (!form) return;
    form->tabFrom(form->activeControl());
}

void Runtime::beep() {
    backend().beep();
}

void Runtime::pushModal(Form& form) {
    state().modalStack.push_back(&form);
}

void Runtime::popModal(Form& form) {
    auto& stack = state().modalStack;
    auto found = std::find(stack.rbegin(), stack.rend(), &form);
    if (found != stack.rend()) stack.erase(std::next(found).base());
}

HourglassPointer::HourglassPointer() {
    if (state().busyDepth++ == 0) Runtime::backend().busyChanged(true);
}

HourglassPointer::~HourglassPointer() {
    if (--state().busyDepth == 0) Runtime::backend().busyChanged(false);
}

bool HourglassPointer::busy() {
    return state().busyDepth > 0;
}

} // namespace forms
