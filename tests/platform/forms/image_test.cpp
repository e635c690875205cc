// The image control: a named picture that survives as designed, takes no focus and prints its state.
#include "formstestsupport.h"
#include "platform/forms/form.h"
#include "platform/forms/image.h"
#include "platform/forms/textcontrols.h"

using namespace forms;
using forms::test::BackendScope;
using forms::test::failure;

namespace {

struct Counter : ControlObserver {
    int changes = 0;
    void controlChanged() override { ++changes; }
};

struct PictureForm : Form {
    PictureForm() : Form("frmPicture", "Picture") {
        imgSign.setPicture("information");
        imgSign.setTabIndex(0);
        txtNote.setTabIndex(1);
        txtOther.setTabIndex(2);
        saveDesign();
    }
    Image imgSign{*this, "imgSign"};
    TextBox txtNote{*this, "txtNote"};
    TextBox txtOther{*this, "txtOther"};
};

} // namespace

TEST(Image, keepsThePictureNameAndTellsTheViewOnlyOfChanges) {
    PictureForm form;
    Counter counter;
    form.imgSign.setObserver(&counter);
    form.imgSign.setPicture("information");
    EXPECT_EQ(counter.changes, 0);
    form.imgSign.setPicture("hourglass");
    EXPECT_EQ(counter.changes, 1);
    EXPECT_EQ(form.imgSign.picture(), "hourglass");
    EXPECT_EQ(form.imgSign.kind(), ControlKind::Image);
}

TEST(Image, unloadBringsBackTheDesignedPicture) {
    BackendScope backend;
    PictureForm form;
    form.load();
    form.imgSign.setPicture("");
    form.imgSign.setVisible(false);
    ASSERT_TRUE(form.unload());
    EXPECT_EQ(form.imgSign.picture(), "information");
    EXPECT_TRUE(form.imgSign.visible());
}

TEST(Image, neverTakesTheFocusAndIsSkippedInTabOrder) {
    PictureForm form;
    EXPECT_FALSE(form.imgSign.canFocus());
    EXPECT_FALSE(failure([&] { form.imgSign.setFocus(); }).isEmpty());
    EXPECT_EQ(form.nextInTabOrder(nullptr), &form.txtNote);
    EXPECT_EQ(form.nextInTabOrder(&form.txtNote), &form.txtOther);
    EXPECT_EQ(form.nextInTabOrder(&form.txtOther), &form.txtNote);
}

TEST(Image, printsThePictureAndTheCommonState) {
    PictureForm form;
    EXPECT_EQ(form.imgSign.property("Picture"), "information");
    EXPECT_EQ(form.imgSign.property("visible"), "true");
    EXPECT_EQ(form.imgSign.dump(),
              QStringList({"picture=information", "enabled=true", "visible=true", "tooltip="}));
    EXPECT_EQ(failure([&] { form.imgSign.property("caption"); }, 438),
              "Object doesn't support this property or method");
}
