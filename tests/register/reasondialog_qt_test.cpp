// The deletion reason dialog in a real Qt window (offscreen): its layout binds to the dialog's controls.
#include "module/session.h"
#include "platform/qt/formwindow.h"
#include "register/frmcancelreason.h"
#include "support/recordingbackend.h"
#include "support/testdatabase.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(ReasonDialogQt, typingInTheBoxReachesTheDialogsKeyRules) {
    testing_support::TestDatabase database;
    testing_support::RecordingBackend recorder;
    module::session().formColor = suite::Factory::create<suite::ClsFormcolor>(suite::progid::FormColor);
    module::session().formColor->adocon = database.connection();
    receipts::frmcancelreason dialog;
    dialog.load();
    qtview::FormWindow window(dialog, nullptr);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Reason For Deletion"));
    auto* label = window.findChild<QLabel*>(QStringLiteral("Label1"));
    auto* reason = window.findChild<QLineEdit*>(QStringLiteral("txtcanreason"));
    auto* ok = window.findChild<QPushButton*>(QStringLiteral("cmdok"));
    ASSERT_TRUE(label && reason && ok);
    EXPECT_EQ(label->text(), QStringLiteral("&Reason :"));
    EXPECT_EQ(ok->text(), QStringLiteral("&OK"));
    EXPECT_FALSE(ok->isEnabled());
    window.show();
    QTest::keyClicks(reason, QStringLiteral("  it's"));
    EXPECT_EQ(dialog.txtcanreason.text(), QStringLiteral("  its"));
    EXPECT_EQ(reason->text(), QStringLiteral("  its"));
    EXPECT_TRUE(ok->isEnabled());
    dialog.unload();
    EXPECT_TRUE(recorder.errors.empty());
}

} // namespace
