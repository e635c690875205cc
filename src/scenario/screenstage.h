// The Qt windows as a scenario's stage.
#pragma once

#include "stage.h"

#include "platform/qtview/scriptedbackend.h"

namespace scenario {

// Every window is built and shown as for a cashier, on the platform the application runs on (offscreen
// without a display); the scenario's actions reach the widgets as the user's input, its expectations read
// what the widgets show. Texts viewed and reports previewed open in their own windows, as for a cashier.
class ScreenStage final : public Stage {
public:
    ScreenStage();
    ~ScreenStage() override;

    forms::Backend& backend() override { return backend_; }
    forms::ScriptHooks& hooks() override { return backend_; }
    forms::UserInput& input() override { return backend_.user(); }
    std::optional<QString> shown(const forms::Control& control, const QString& property,
                                 const QList<int>& args) const override;
    void settle() override;
    void viewText(const QString& path) override;
    // The toolkit's clipboard, as another program would paste from it.
    QString clipboardText() const override;
    // The key reaches the preview window as the user's.
    bool savePreviewAsPdf() override;

private:
    qtview::ScriptedBackend backend_;
};

} // namespace scenario
