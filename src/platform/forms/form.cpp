// A window's lifecycle: load, modal show with activation, the close check and unload.
#include "form.h"

#include "control.h"
#include "platform/core/runtimeerror.h"
#include "runtime.h"
#include "textcontrols.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace forms {

namespace {
constexpr qint64 FormAlreadyDisplayed = 400;

// Takes the window off the modal stack however its modal run ends.
class ModalScope {
public:
    explicit ModalScope(Form& form) : form_(form) { Runtime::pushModal(form_); }
    ~ModalScope() { Runtime::popModal(form_); }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    Form& form_;
};
} // namespace

Form::Form(const QString& name, const QString& caption)
    : name_(name), caption_(caption), designedCaption_(caption) {}

Form::~Form() {
    Runtime::popModal(*this);
}

void Form::setCaption(const QString& caption) {
    caption_ = caption;
    if (loaded_) Runtime::backend().formChanged(*this);
}

void Form::setSize(int widthTwips, int heightTwips) {
    width_ = widthTwips;
    height_ = heightTwips;
    if (loaded_) Runtime::backend().formChanged(*this);
}

void Form::load() {
    if (loaded_) return;
    loaded_ = true;
    Runtime::backend().formLoaded(*this); // before Form_Load, so a view is bound when handlers run
    Form_Load();
}

void Form::showModal(Form* owner) {
    if (shown_)
        throw core::RuntimeError(FormAlreadyDisplayed,
                                 QStringLiteral("Form already displayed; can't show modally"));
    // The host showing a window with none below it: the user's first command.
    if (!Runtime::activeForm()) Runtime::beginCommand();
    load();
    if (!loaded_) return; // Form_Load closed the window again
    owner_ = owner;
    shown_ = true;
    Runtime::backend().formShown(*this);
    try {
        ModalScope scope(*this);
        if (shown_) activate();
        if (shown_ && !active_) setActiveControl(nextInTabOrder(nullptr));
        if (shown_) Runtime::backend().runModal(*this);
    } catch (...) {
        // An error that ends the modal run closes the window without its close events, so that it can be
        // shown again.
        discard();
        throw;
    }
    // The window below becomes active again once its modal child has gone.
    Form* below = Runtime::activeForm();
    if (below && below->isShown()) below->activate();
}

bool Form::unload(UnloadMode mode) {
    if (!loaded_) return true;
    int cancel = 0;
    Form_QueryUnload(cancel, mode);
    if (cancel) return false;
    Form_Unload(cancel);
    if (cancel) return false;
    discard();
    return true;
}

void Form::discard() {
    if (!loaded_) return;
    for (Control* control : controls_)
        control->restoreDesign();
    caption_ = designedCaption_;
    active_ = nullptr;
    shown_ = loaded_ = false;
    Runtime::backend().formUnloaded(*this);
    owner_ = nullptr;
}

Control* Form::findControl(const QString& name) const {
    auto found = std::find_if(controls_.begin(), controls_.end(), [&](Control* control) {
        return control->name().compare(name, Qt::CaseInsensitive) == 0;
    });
    return found == controls_.end() ? nullptr : *found;
}

void Form::setActiveControl(Control* control) {
    Control* previous = std::exchange(active_, control);
    if (previous == control) return;
    if (previous && previous->LostFocus) previous->LostFocus();
    Runtime::backend().focusChanged(*this, control);
    if (control && control->GotFocus) control->GotFocus();
}

void Form::keepFocusUsable() {
    if (!active_ || active_->canFocus()) return;
    setActiveControl(focusHome_ && focusHome_->canFocus() ? focusHome_ : nextInTabOrder(active_));
}

// Tab order is by tab index, then by the order the controls were laid out; after the last control
// it starts again at the first, and backwards before the first at the last. A control on a tab not shown
// is passed over.
Control* Form::nextInTabOrder(Control* from, bool backwards) const {
    auto position = [this](size_t index) { return std::pair(controls_[index]->tabIndex(), index); };
    // Whether control a comes before control b, going the way asked.
    auto before = [&](size_t a, size_t b) {
        return backwards ? position(b) < position(a) : position(a) < position(b);
    };
    const auto fromIndex = size_t(std::find(controls_.begin(), controls_.end(), from) - controls_.begin());
    const bool hasFrom = fromIndex < controls_.size();
    std::optional<size_t> first, next;
    for (size_t i = 0; i < controls_.size(); ++i) {
        const Control& control = *controls_[i];
        if (i == fromIndex || !control.tabStop() || !control.canFocus() || !control.isInSight()) continue;
        if (!first || before(i, *first)) first = i;
        if (hasFrom && before(fromIndex, i) && (!next || before(i, *next))) next = i;
    }
    if (!next) next = first;
    return next ? controls_[*next] : nullptr;
}

void Form::tabFrom(Control* from, bool backwards) {
    Control* next = nextInTabOrder(from, backwards);
    if (!next) return;
    next->setFocus();
    if (next->kind() != ControlKind::TextBox) return;
    auto& box = static_cast<TextBox&>(*next);
    box.setSelStart(0);
    box.setSelLength(int(box.text().size()));
}

void Form::popupMenu(Menu& menu) {
    Runtime::backend().popupMenu(*this, menu);
}

void Form::saveDesign() {
    designedCaption_ = caption_;
    for (Control* control : controls_)
        control->saveDesign();
}

void Form::registerControl(Control* control) {
    controls_.push_back(control);
}

void Form::unregisterControl(Control* control) {
    std::erase(controls_, control);
    if (active_ == control) active_ = nullptr;
}

void Form::activate() {
    Form_Activate();
}

} // namespace forms
