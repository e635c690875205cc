// An image control bound to a label: the style's picture for its name; the posting window that shows one.
#include "platform/forms/form.h"
#include "platform/forms/image.h"
#include "platform/forms/textcontrols.h"
#include "platform/qt/binderfactory.h"
#include "platform/qt/controlbinder.h"
#include "platform/qt/formwindow.h"
#include "platform/qt/imagebinder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

struct PictureForm : forms::Form {
    PictureForm() : Form("frmPicture", "Picture") {}
    forms::Image imgSign{*this, "imgSign"};
};

bool showsPicture(const QLabel& label) {
    return !label.pixmap().isNull();
}

TEST(ImageBinder, namesTheStylesMessagePicturesWithoutRegardToCase) {
    EXPECT_EQ(qtview::ImageBinder::standardPicture("information"), QStyle::SP_MessageBoxInformation);
    EXPECT_EQ(qtview::ImageBinder::standardPicture("Warning"), QStyle::SP_MessageBoxWarning);
    EXPECT_EQ(qtview::ImageBinder::standardPicture("QUESTION"), QStyle::SP_MessageBoxQuestion);
    EXPECT_EQ(qtview::ImageBinder::standardPicture("critical"), QStyle::SP_MessageBoxCritical);
    EXPECT_FALSE(qtview::ImageBinder::standardPicture("").has_value());
    EXPECT_FALSE(qtview::ImageBinder::standardPicture("sunset").has_value());
}

TEST(ImageBinder, labelShowsThePictureAndFollowsItsChanges) {
    PictureForm form;
    form.imgSign.setPicture("information");
    QLabel label;
    auto binder = qtview::bindControl(form.imgSign, label);
    ASSERT_NE(binder, nullptr);
    ASSERT_TRUE(showsPicture(label));
    EXPECT_EQ(label.pixmap().size(), QSize(32, 32));
    form.imgSign.setPicture("sunset");
    EXPECT_FALSE(showsPicture(label));
    form.imgSign.setPicture("warning");
    EXPECT_TRUE(showsPicture(label));
    form.imgSign.setPicture("");
    EXPECT_FALSE(showsPicture(label));
}

TEST(ImageBinder, commonStateAppliesAndOnlyALabelFits) {
    PictureForm form;
    form.imgSign.setPicture("information");
    form.imgSign.setVisible(false);
    QLabel label;
    auto binder = qtview::bindControl(form.imgSign, label);
    ASSERT_NE(binder, nullptr);
    EXPECT_TRUE(label.isHidden());
    form.imgSign.setToolTipText("Posting");
    EXPECT_EQ(label.toolTip(), "Posting");
    QLineEdit edit;
    EXPECT_EQ(qtview::bindControl(form.imgSign, edit), nullptr);
}

} // namespace

namespace {

// The controls of the posting window, as the window file must name them.
struct PostingForm : forms::Form {
    PostingForm() : Form("frmStatus", "Posting Entries") {
        imgPost.setPicture("information");
        lblStatus.setCaption("Posting Ledgers may take few minutes. Please Wait...");
    }
    forms::Image imgPost{*this, "imgPost"};
    forms::Label lblStatus{*this, "lblStatus"};
};

TEST(PostingWindowFile, showsItsPictureBesideTheWaitText) {
    PostingForm form;
    qtview::FormWindow window(form, nullptr);
    auto* picture = qobject_cast<QLabel*>(window.widgetFor(&form.imgPost));
    auto* text = qobject_cast<QLabel*>(window.widgetFor(&form.lblStatus));
    ASSERT_TRUE(picture && text);
    EXPECT_EQ(window.windowTitle(), "Posting Entries");
    EXPECT_TRUE(showsPicture(*picture));
    EXPECT_EQ(text->text(), "Posting Ledgers may take few minutes. Please Wait...");
    window.show();
    EXPECT_LT(picture->geometry().right(), text->geometry().left());
}

} // namespace
