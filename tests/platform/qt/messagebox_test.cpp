// The runtime's message boxes shown as toolkit message boxes.
#include "platform/qt/messagebox.h"
#include "platform/qt/qtbackend.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using qtview::MessageBox;

namespace {

using Buttons = std::vector<QMessageBox::StandardButton>;

TEST(MessageBoxMapping, buttonsComeInTheOrderTheDefaultButtonCounts) {
    EXPECT_EQ(MessageBox::buttons(forms::MsgButtons::OK), (Buttons{QMessageBox::Ok}));
    EXPECT_EQ(MessageBox::buttons(forms::MsgButtons::OKCancel),
              (Buttons{QMessageBox::Ok, QMessageBox::Cancel}));
    EXPECT_EQ(MessageBox::buttons(forms::MsgButtons::YesNo), (Buttons{QMessageBox::Yes, QMessageBox::No}));
    EXPECT_EQ(MessageBox::buttons(forms::MsgButtons::YesNoCancel),
              (Buttons{QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}));
}

TEST(MessageBoxMapping, iconsAndAnswersMap) {
    EXPECT_EQ(MessageBox::icon(forms::MsgIcon::Critical), QMessageBox::Critical);
    EXPECT_EQ(MessageBox::icon(forms::MsgIcon::Question), QMessageBox::Question);
    EXPECT_EQ(MessageBox::icon(forms::MsgIcon::Exclamation), QMessageBox::Warning);
    EXPECT_EQ(MessageBox::icon(forms::MsgIcon::Information), QMessageBox::Information);
    EXPECT_EQ(MessageBox::icon(forms::MsgIcon::None), QMessageBox::NoIcon);
    EXPECT_EQ(MessageBox::result(QMessageBox::Ok), forms::MsgResult::OK);
    EXPECT_EQ(MessageBox::result(QMessageBox::Cancel), forms::MsgResult::Cancel);
    EXPECT_EQ(MessageBox::result(QMessageBox::Yes), forms::MsgResult::Yes);
    EXPECT_EQ(MessageBox::result(QMessageBox::No), forms::MsgResult::No);
}

TEST(MessageBoxMapping, emptyTitleShowsTheApplicationsName) {
    forms::MessageBoxRequest request;
    request.text = QStringLiteral("Saved");
    forms::Runtime::setApplicationName(QString());
    EXPECT_EQ(MessageBox::title(request), QApplication::applicationName());
    forms::Runtime::setApplicationName(QStringLiteral("Shop Receipts"));
    EXPECT_EQ(MessageBox::title(request), QStringLiteral("Shop Receipts"));
    request.title = QStringLiteral("Receipts");
    EXPECT_EQ(MessageBox::title(request), QStringLiteral("Receipts"));
    forms::Runtime::setApplicationName(QString());
}

TEST(MessageBoxMapping, preparedBoxCarriesTextIconButtonsAndDefault) {
    QMessageBox box;
    MessageBox::prepare(box, {QStringLiteral("Delete the receipt?"), QStringLiteral("Receipts"),
                              forms::MsgButtons::YesNo, forms::MsgIcon::Question, 2});
    EXPECT_EQ(box.text(), QStringLiteral("Delete the receipt?"));
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Receipts"));
    EXPECT_EQ(box.icon(), QMessageBox::Question);
    EXPECT_EQ(box.standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::No));
}

TEST(MessageBoxMapping, defaultButtonBeyondTheButtonsFallsBackToTheFirst) {
    QMessageBox box;
    MessageBox::prepare(
        box, {QStringLiteral("Print?"), QString(), forms::MsgButtons::OKCancel, forms::MsgIcon::None, 3});
    EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::Ok));
}

TEST(QtBackendMessageBox, runtimeMessageBoxReturnsTheButtonTheUserPressed) {
    qtview::QtBackend backend;
    forms::Runtime::setBackend(&backend);
    QString shownText;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shownText = box->text();
        box->button(QMessageBox::No)->click();
    });
    const forms::MsgResult answer = forms::Runtime::msgBox(
        QStringLiteral("Post the ledgers?"), forms::MsgButtons::YesNoCancel, forms::MsgIcon::Question);
    EXPECT_EQ(answer, forms::MsgResult::No);
    EXPECT_EQ(shownText, QStringLiteral("Post the ledgers?"));
    forms::Runtime::setBackend(nullptr);
}

} // namespace
