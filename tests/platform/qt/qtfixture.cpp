// Setting up and tearing down the test window.
#include "qtfixture.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace qttest {

void QtFixture::SetUp() {
    forms::Runtime::setBackend(&backend);
    form = std::make_unique<TestForm>(gridRows());
}

void QtFixture::TearDown() {
    ownWindow_.reset();
    form->refuseClose = false;
    form->unload();
    forms::Runtime::setBackend(nullptr);
}

qtview::FormWindow& QtFixture::openWindow() {
    form->load();
    ownWindow_ = std::make_unique<qtview::FormWindow>(*form, nullptr);
    window_ = ownWindow_.get();
    window_->show();
    settle();
    return *window_;
}

void QtFixture::runModal(const std::function<void(qtview::FormWindow&)>& script) {
    QTimer::singleShot(0, [&] {
        window_ = backend.windowOf(*form);
        ASSERT_NE(window_, nullptr);
        try {
            script(*window_);
        } catch (const std::exception& error) {
            ADD_FAILURE() << error.what();
            form->refuseClose = false;
            form->unload();
        }
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [this] {
        ADD_FAILURE() << "the window stayed open";
        form->refuseClose = false;
        form->unload();
    });
    watchdog.start(5000);
    form->showModal();
    window_ = nullptr;
}

void QtFixture::settle() {
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

} // namespace qttest

namespace qttest {

void QtFixture::doubleClick(QWidget* target, const QPoint& position) {
    QTest::mouseClick(target, Qt::LeftButton, {}, position);
    QTest::mouseDClick(target, Qt::LeftButton, {}, position);
    QTest::mouseRelease(target, Qt::LeftButton, {}, position);
}

} // namespace qttest
