// A test window with the Qt backend installed, opened directly or modally.
#pragma once

#include "platform/qt/formwindow.h"
#include "platform/qt/qtbackend.h"
#include "testform.h"

#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace qttest {

class QtFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The form's grid gets this many data rows.
    virtual int gridRows() const { return 20; }

    // Loads the form and shows its window without a modal loop.
    qtview::FormWindow& openWindow();
    // Shows the form modally; script runs once the window is up and must end by unloading the form.
    // A window still open after a few seconds fails the test.
    void runModal(const std::function<void(qtview::FormWindow&)>& script);

    template <class W> W& widget(const QString& name) const {
        W* found = window_->findChild<W*>(name);
        if (!found) throw std::logic_error(("no widget " + name).toStdString());
        return *found;
    }
    // Lets queued refreshes run.
    static void settle();
    // Press, release, double click and release, as the window system delivers a double click.
    static void doubleClick(QWidget* target, const QPoint& position);

    qtview::QtBackend backend;
    std::unique_ptr<TestForm> form;

private:
    std::unique_ptr<qtview::FormWindow> ownWindow_;
    qtview::FormWindow* window_ = nullptr;
};

} // namespace qttest
