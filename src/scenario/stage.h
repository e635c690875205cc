// Where a scenario plays: the runtime's windows alone, or the Qt windows bound to them on a screen.
#pragma once

#include "platform/forms/headlessbackend.h"
#include "platform/forms/userinput.h"
#include "platform/report/reportpreview.h"

#include <QList>
#include <QString>
#include <optional>

namespace scenario {

class Stage {
public:
    virtual ~Stage() = default;
    // What shows the windows and asks the user; the runner sets its hooks.
    virtual forms::Backend& backend() = 0;
    virtual forms::ScriptHooks& hooks() = 0;
    // What the scenario's actions go through.
    virtual forms::UserInput& input() = 0;
    // What the screen shows of a property of a control; nothing where no widget shows it, and nothing without
    // a screen: the runtime's own value then stands.
    virtual std::optional<QString> shown(const forms::Control& control, const QString& property,
                                         const QList<int>& args) const = 0;
    // Lets the windows catch up with what the last command did, as the event loop does between two of the
    // user's inputs.
    virtual void settle() = 0;
    // A text file the module opened in its viewer (its path as the module gave it).
    virtual void viewText(const QString& path) = 0;
    // What the last copy put on the clipboard.
    virtual QString clipboardText() const = 0;
    // Ctrl+S in the report preview shown last: Save as PDF. False when no preview is open.
    virtual bool savePreviewAsPdf() = 0;
};

// The headless backend and the runtime's own actions: what every scenario runs on by default.
class HeadlessStage final : public Stage {
public:
    forms::Backend& backend() override { return backend_; }
    forms::ScriptHooks& hooks() override { return backend_; }
    forms::UserInput& input() override { return input_; }
    std::optional<QString> shown(const forms::Control&, const QString&, const QList<int>&) const override {
        return std::nullopt;
    }
    void settle() override {}
    void viewText(const QString&) override {}
    QString clipboardText() const override { return backend_.copiedText(); }
    bool savePreviewAsPdf() override { return report::ReportPreview::saveLastShownAsPdf(); }

private:
    forms::HeadlessBackend backend_;
    forms::RuntimeInput input_;
};

} // namespace scenario
