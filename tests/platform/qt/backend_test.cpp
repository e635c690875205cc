// Modal windows, closing, focus, the hourglass and pop-up menus through the Qt backend.
#include "platform/core/runtimeerror.h"
#include "qtfixture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace qttest {
namespace {

class Backend : public QtFixture {};

TEST_F(Backend, modalLoopRunsUntilTheFormUnloads) {
    QPointer<QWidget> shown;
    runModal([&](qtview::FormWindow& window) {
        shown = &window;
        EXPECT_TRUE(window.isVisible());
        EXPECT_TRUE(window.isModal());
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Test window"));
        EXPECT_EQ(widget<QLineEdit>("txtName").text(), QStringLiteral("Anna"));
        form->unload();
    });
    EXPECT_FALSE(form->isShown());
    EXPECT_TRUE(shown.isNull());
    EXPECT_EQ(backend.windowOf(*form), nullptr);
    EXPECT_EQ(form->log.mid(0, 2),
              (QStringList{QStringLiteral("Form_Load"), QStringLiteral("Form_Activate")}));
}

TEST_F(Backend, formWithoutAWindowFileFailsToShow) {
    forms::Form lonely(QStringLiteral("NoWindowFile"), QStringLiteral("Lonely"));
    try {
        lonely.showModal();
        FAIL() << "no error";
    } catch (const rt::RuntimeError& error) {
        EXPECT_EQ(error.number(), rt::err::FileNotFound);
    }
    EXPECT_EQ(backend.windowOf(lonely), nullptr);
    lonely.unload();
}

TEST_F(Backend, handlerThatUnloadsOnClickEndsTheLoop) {
    form->cmdCancel.Click = [this] { form->unload(); };
    runModal(
        [&](qtview::FormWindow&) { QTest::mouseClick(&widget<QPushButton>("cmdCancel"), Qt::LeftButton); });
    EXPECT_FALSE(form->isLoaded());
}

TEST_F(Backend, closeButtonAsksQueryUnloadWhichMayKeepTheWindowOpen) {
    runModal([&](qtview::FormWindow& window) {
        form->refuseClose = true;
        window.close();
        EXPECT_TRUE(form->isShown());
        EXPECT_TRUE(window.isVisible());
        EXPECT_TRUE(form->log.contains(QStringLiteral("Form_QueryUnload 0")));
        form->refuseClose = false;
        window.close();
    });
    EXPECT_FALSE(form->isLoaded());
}

TEST_F(Backend, windowShowsTheControlsAsTheyWereAfterUnloadOnTheNextShow) {
    runModal([&](qtview::FormWindow&) {
        form->txtName.setText(QStringLiteral("Changed"));
        form->unload();
    });
    runModal([&](qtview::FormWindow&) {
        EXPECT_EQ(widget<QLineEdit>("txtName").text(), QStringLiteral("Anna"));
        form->unload();
    });
}

TEST_F(Backend, focusSetByCodeMovesTheWidgetFocus) {
    runModal([&](qtview::FormWindow& window) {
        form->cmdOk.setFocus();
        EXPECT_EQ(window.focusWidget(), &widget<QPushButton>("CMDOK"));
        form->txtName.setFocus();
        EXPECT_EQ(window.focusWidget(), &widget<QLineEdit>("txtName"));
        form->unload();
    });
}

TEST_F(Backend, tabKeyMovesTheFocusInTheRuntimesOrder) {
    runModal([&](qtview::FormWindow& window) {
        form->txtName.setFocus();
        QTest::keyClick(&widget<QLineEdit>("txtName"), Qt::Key_Tab);
        EXPECT_EQ(form->activeControl(), &form->cmdOk);
        EXPECT_EQ(window.focusWidget(), &widget<QPushButton>("CMDOK"));
        form->unload();
    });
}

TEST_F(Backend, widgetGettingTheFocusMakesItsControlActive) {
    runModal([&](qtview::FormWindow&) {
        form->cmdOk.setFocus();
        form->log.clear();
        QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(&widget<QLineEdit>("txtName"), &focusIn);
        EXPECT_EQ(form->activeControl(), &form->txtName);
        EXPECT_TRUE(form->log.contains(QStringLiteral("txtName_GotFocus")));
        form->unload();
    });
}

TEST_F(Backend, enterInATextBoxPressesTheDefaultButton) {
    form->cmdOk.isDefault = true;
    runModal([&](qtview::FormWindow&) {
        QTest::keyClick(&widget<QLineEdit>("txtName"), Qt::Key_Return);
        EXPECT_TRUE(form->log.contains(QStringLiteral("cmdOk_Click")));
        form->unload();
    });
}

TEST_F(Backend, hourglassShowsTheWaitCursorUntilTheOutermostEnds) {
    {
        forms::HourglassPointer outer;
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        { forms::HourglassPointer inner; }
        EXPECT_NE(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Backend, popupMenuShowsTheEntriesAndRaisesClickOfTheChosenOne) {
    form->load();
    form->mnuOpen.setEnabled(false);
    QStringList texts;
    bool openEnabled = true;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        openEnabled = menu->actions().at(0)->isEnabled();
        menu->setActiveAction(menu->actions().at(2));
        QTest::keyClick(menu, Qt::Key_Return);
    });
    form->popupMenu(form->mnuPopup);
    EXPECT_EQ(texts, (QStringList{QStringLiteral("&Open"), QStringLiteral("-"), QStringLiteral("&Delete")}));
    EXPECT_FALSE(openEnabled);
    EXPECT_TRUE(form->log.contains(QStringLiteral("mnuDelete_Click")));
}

TEST_F(Backend, dismissedPopupMenuRaisesNothing) {
    form->load();
    QTimer::singleShot(0, [] { QApplication::activePopupWidget()->close(); });
    form->popupMenu(form->mnuPopup);
    EXPECT_TRUE(form->log.filter(QStringLiteral("mnu")).isEmpty());
}

} // namespace
} // namespace qttest
