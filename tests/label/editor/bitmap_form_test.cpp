// The bitmap dialog's rules: the rectangle's two forms, storing and deleting with their
// questions and refusals, the depths taken, the position editor's bounds and the info texts.
#include "label/editor/forms/bitmap_form.h"

#include <gtest/gtest.h>

#include "common/message_service.h"
#include "common/paths.h"
#include "tests/support/bmp_builder.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

const std::string kTooMany = "ビットマップは２５６色以下を扱えます。";
const std::string kSameArea = "２つのビットマップの領域が同じですが\n　登録しますか？";
const std::string kAskDelete =
    "ビットマップを消去します。\n消去してよい時は「はい」を押して下さい。";

class BitmapFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        definition.sheet.labelWidthMm = 45;
        definition.sheet.labelHeightMm = 30;
        test::writeBytes(folder.file("mono.bmp"), test::bmpBytes(16, 8, 1, 2));
        test::writeBytes(folder.file("logo.BMP"), test::bmpBytes(96, 48, 8, 256));
        test::writeBytes(folder.file("four.bmp"), test::bmpBytes(5, 3, 4, 16));
        test::writeBytes(folder.file("core.bmp"),
                         test::coreBmpBytes(4, 2, 8, std::vector<uint32_t>(256, 0x808080)));
        test::writeBytes(folder.file("photo.bmp"), test::bmpBytes(4, 4, 24, 0));
    }

    void setRect(BitmapForm& form, int x, int y, int width, int height) {
        form.setValue(BitmapValue::X, x);
        form.setValue(BitmapValue::Y, y);
        form.setValue(BitmapValue::Width, width);
        form.setValue(BitmapValue::Height, height);
    }

    BitmapPlacement placed(const std::string& name, int left, int top, int right, int bottom) {
        return {storedFromLocalPath(folder.file(name)), left, top, right, bottom};
    }

    test::TempFolder folder;
    LabelDefinition definition;
    RecordingMessageService messages;
};

TEST_F(BitmapFormTest, RectangleInMillimetresIsStoredInTenthsWithYUpward) {
    BitmapForm form(definition, folder.path(), messages);
    ASSERT_TRUE(form.choosePath(folder.file("logo.BMP")));
    setRect(form, 100, 50, 300, 200);
    EXPECT_EQ(form.valueText(BitmapValue::X), "10.0");
    EXPECT_EQ(form.valueText(BitmapValue::Y), "5.0");
    EXPECT_EQ(form.valueText(BitmapValue::Width), "30.0");
    EXPECT_EQ(form.valueText(BitmapValue::Height), "20.0");
    ASSERT_TRUE(form.store());
    const BitmapPlacement& stored = definition.bitmaps[0];
    EXPECT_EQ(stored.path, storedFromLocalPath(folder.file("logo.BMP")));
    EXPECT_EQ(stored.left, 100);
    EXPECT_EQ(stored.top, -50);
    EXPECT_EQ(stored.right, 400);
    EXPECT_EQ(stored.bottom, -250);
    EXPECT_TRUE(messages.texts().empty());
    // Stored, no area is current: both buttons wait for the next choice.
    EXPECT_EQ(form.currentArea(), -1);
    EXPECT_FALSE(form.storeEnabled());
    EXPECT_FALSE(form.removeEnabled());

    definition.bitmaps[1] = placed("mono.bmp", 5, -17, 12, -20);
    form.showArea(1);
    EXPECT_EQ(form.values(), (BitmapRectValues{5, 17, 7, 3}));
    EXPECT_EQ(form.valueText(BitmapValue::Y), "1.7");
    EXPECT_EQ(form.valueText(BitmapValue::Height), "0.3");
}

TEST_F(BitmapFormTest, OpeningShowsArea1WhenAnyAreaIsUsedAndNeitherButtonOtherwise) {
    {
        BitmapForm form(definition, folder.path(), messages);
        EXPECT_EQ(form.currentArea(), -1);
        EXPECT_FALSE(form.storeEnabled());
        EXPECT_FALSE(form.removeEnabled());
        EXPECT_FALSE(form.typePath(folder.file("mono.b")));
        EXPECT_FALSE(form.storeEnabled());
        ASSERT_TRUE(form.choosePath(folder.file("mono.bmp")));
        EXPECT_EQ(form.currentArea(), 0);
        EXPECT_TRUE(form.storeEnabled());
        EXPECT_FALSE(form.removeEnabled());  // nothing stored there yet
    }
    // Only area 2 used: area 1 is still the one shown first, empty.
    definition.bitmaps[1] = placed("mono.bmp", 10, -10, 20, -20);
    BitmapForm form(definition, folder.path(), messages);
    EXPECT_EQ(form.currentArea(), 0);
    EXPECT_TRUE(form.path().empty());
    EXPECT_TRUE(form.storeEnabled());
    EXPECT_FALSE(form.removeEnabled());
    form.showArea(1);
    EXPECT_EQ(form.path(), folder.file("mono.bmp"));
    EXPECT_TRUE(form.bitmap().loaded());
    EXPECT_TRUE(form.removeEnabled());
    form.showArea(2);  // no such area: nothing changes
    EXPECT_EQ(form.shownArea(), 1);
}

TEST_F(BitmapFormTest, TheStoredFormOfAnUnchangedPathIsKept) {
    definition.bitmaps[0] = {"art\\mono.bmp", 10, -10, 20, -20};
    std::filesystem::create_directory(folder.file("art"));
    test::writeBytes(folder.file("art/mono.bmp"), test::bmpBytes(2, 2, 1, 2));
    BitmapForm form(definition, folder.path(), messages);
    EXPECT_EQ(form.path(), folder.file("art/mono.bmp"));
    EXPECT_TRUE(form.bitmap().loaded());
    form.setValue(BitmapValue::Width, 50);
    ASSERT_TRUE(form.store());
    EXPECT_EQ(definition.bitmaps[0].path, "art\\mono.bmp");
    EXPECT_EQ(definition.bitmaps[0].right, 60);
}

TEST_F(BitmapFormTest, TheSameRectangleAsTheOtherAreaIsStoredOnlyAfterYes) {
    definition.bitmaps[0] = placed("mono.bmp", 100, -50, 400, -250);
    BitmapForm form(definition, folder.path(), messages);
    form.showArea(1);
    ASSERT_TRUE(form.choosePath(folder.file("logo.BMP")));
    setRect(form, 100, 50, 300, 200);
    messages.scriptAnswer(MessageAnswer::No);
    EXPECT_FALSE(form.store());
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, kSameArea);
    EXPECT_EQ(messages.messages()[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(definition.bitmaps[1].path.empty());
    EXPECT_EQ(form.currentArea(), 1);

    messages.scriptAnswer(MessageAnswer::Yes);
    EXPECT_TRUE(form.store());
    EXPECT_EQ(definition.bitmaps[1].path, storedFromLocalPath(folder.file("logo.BMP")));
    EXPECT_EQ(definition.bitmaps[1].bottom, -250);

    // A different rectangle is stored without asking.
    messages.clear();
    form.showArea(1);
    form.setValue(BitmapValue::Height, 100);
    EXPECT_TRUE(form.store());
    EXPECT_TRUE(messages.texts().empty());
    EXPECT_EQ(definition.bitmaps[1].bottom, -150);
}

TEST_F(BitmapFormTest, DeletingAsksOnlyForAFullRectangle) {
    definition.bitmaps[0] = placed("mono.bmp", 100, -50, 400, -250);
    definition.bitmaps[1] = placed("logo.BMP", 0, -50, 300, -250);  // X = 0
    BitmapForm form(definition, folder.path(), messages);
    ASSERT_TRUE(form.removeEnabled());
    messages.scriptAnswer(MessageAnswer::No);
    EXPECT_FALSE(form.remove());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kAskDelete});
    EXPECT_FALSE(definition.bitmaps[0].path.empty());

    messages.scriptAnswer(MessageAnswer::Yes);
    EXPECT_TRUE(form.remove());
    EXPECT_TRUE(definition.bitmaps[0].path.empty());
    EXPECT_EQ(definition.bitmaps[0].left, 0);
    EXPECT_EQ(definition.bitmaps[0].bottom, 0);
    EXPECT_TRUE(form.path().empty());
    EXPECT_FALSE(form.bitmap().loaded());
    EXPECT_FALSE(form.removeEnabled());

    messages.clear();
    form.showArea(1);
    EXPECT_TRUE(form.remove());
    EXPECT_TRUE(messages.texts().empty());
    EXPECT_TRUE(definition.bitmaps[1].path.empty());
    EXPECT_EQ(form.values(), BitmapRectValues{});
}

TEST_F(BitmapFormTest, MoreThan256ColoursAreRefusedAndNothingIsStored) {
    const LabelDefinition before = definition;
    BitmapForm form(definition, folder.path(), messages);
    EXPECT_FALSE(form.choosePath(folder.file("photo.bmp")));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kTooMany});
    EXPECT_TRUE(form.path().empty());
    EXPECT_FALSE(form.bitmap().loaded());
    EXPECT_FALSE(form.storeEnabled());

    // Typed, the path stays in the edit but cannot be stored.
    messages.clear();
    EXPECT_TRUE(form.typePath(folder.file("photo.bmp")));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kTooMany});
    setRect(form, 10, 10, 10, 10);
    messages.clear();
    EXPECT_FALSE(form.store());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kTooMany});
    EXPECT_TRUE(definition.bitmaps[0].path.empty());
    EXPECT_EQ(definition.bitmaps[0].right, before.bitmaps[0].right);
}

TEST_F(BitmapFormTest, DepthsAndHeaderFormsShowTheirColoursAndSizes) {
    BitmapForm form(definition, folder.path(), messages);
    ASSERT_TRUE(form.choosePath(folder.file("mono.bmp")));
    std::optional<BitmapInfoTexts> info = form.infoTexts(96, 96);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->fileName, "mono.bmp");
    EXPECT_EQ(info->colours, "モノクロ");
    EXPECT_EQ(info->width, "16 Pixel (4.2mm)");  // 16 / 96 inch = 4.23 mm
    EXPECT_EQ(info->height, "8 Pixel (2.1mm)");

    ASSERT_TRUE(form.choosePath(folder.file("four.bmp")));
    EXPECT_EQ(form.infoTexts(96, 96)->colours, "16 色");
    ASSERT_TRUE(form.choosePath(folder.file("core.bmp")));
    info = form.infoTexts(96, 192);
    EXPECT_EQ(info->colours, "256 色");
    EXPECT_EQ(info->height, "2 Pixel (0.2mm)");
    ASSERT_TRUE(form.choosePath(folder.file("logo.BMP")));
    EXPECT_EQ(form.infoTexts(96, 96)->width, "96 Pixel (25.4mm)");
    EXPECT_TRUE(messages.texts().empty());

    EXPECT_EQ(BitmapForm::coloursText(24), "TrueColor");
    EXPECT_EQ(BitmapForm::coloursText(16), "65536 色");
    EXPECT_EQ(BitmapForm::pixelLengthText(300, 0), "300 Pixel (79.3mm)");  // no dpi: 96

    form.typePath(folder.file("missing.bmp"));
    EXPECT_FALSE(form.infoTexts(96, 96));
}

TEST_F(BitmapFormTest, StoringRefusesAMissingPathAreaOrBitmapName) {
    BitmapForm form(definition, folder.path(), messages);
    form.showArea(0);
    setRect(form, 10, 10, 10, 10);
    EXPECT_FALSE(form.store());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"ビットマップのパスを入力して下さい。!"});

    messages.clear();
    setRect(form, 0, 0, 0, 0);
    ASSERT_TRUE(form.choosePath(folder.file("mono.bmp")));
    EXPECT_FALSE(form.store());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"ビットマップを表示する領域が空です！"});
    EXPECT_TRUE(definition.bitmaps[0].path.empty());

    // One value is enough for an area.
    messages.clear();
    form.setValue(BitmapValue::Y, 1);
    EXPECT_TRUE(form.store());

    messages.clear();
    form.showArea(1);
    EXPECT_FALSE(form.choosePath(folder.file("notes.txt")));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"ビットマップファイルではありません。!"});
    EXPECT_TRUE(form.path().empty());
    EXPECT_FALSE(form.choosePath("MP"));
}

TEST_F(BitmapFormTest, TypedPathsNeedFourCharactersEndingInBmp) {
    BitmapForm form(definition, folder.path(), messages);
    EXPECT_FALSE(form.typePath("BMP"));
    EXPECT_FALSE(form.storeEnabled());
    EXPECT_FALSE(form.typePath(folder.file("mono.bm")));
    EXPECT_TRUE(form.typePath("xBmP"));  // unreadable: no preview, but may be stored
    EXPECT_FALSE(form.bitmap().loaded());
    EXPECT_TRUE(form.storeEnabled());
    EXPECT_TRUE(form.typePath(folder.file("mono.bmp")));
    EXPECT_TRUE(form.bitmap().loaded());
    EXPECT_FALSE(form.typePath(folder.file("mono.bmp") + "x"));
    EXPECT_FALSE(form.bitmap().loaded());
    EXPECT_TRUE(messages.texts().empty());
}

TEST_F(BitmapFormTest, PositionValuesStayOnTheLabel) {
    BitmapForm form(definition, folder.path(), messages);  // label 45 x 30 mm
    EXPECT_EQ(form.maximum(BitmapValue::X), 450);
    EXPECT_EQ(form.maximum(BitmapValue::Y), 300);
    setRect(form, 100, 50, 300, 200);
    EXPECT_EQ(form.maximum(BitmapValue::Width), 350);
    EXPECT_EQ(form.maximum(BitmapValue::Height), 250);
    form.setValue(BitmapValue::Width, 9999);
    EXPECT_EQ(form.value(BitmapValue::Width), 350);
    form.setValue(BitmapValue::Height, -5);
    EXPECT_EQ(form.value(BitmapValue::Height), 0);

    // Moving keeps the size while it fits and cuts it at the label's edge otherwise.
    setRect(form, 100, 50, 300, 200);
    form.setValue(BitmapValue::X, 120);
    form.setValue(BitmapValue::Y, 90);
    EXPECT_EQ(form.values(), (BitmapRectValues{120, 90, 300, 200}));
    form.setValue(BitmapValue::X, 400);
    form.setValue(BitmapValue::Y, 500);
    EXPECT_EQ(form.values(), (BitmapRectValues{400, 300, 50, 0}));

    EXPECT_EQ(BitmapForm::editingStatus(BitmapValue::Width),
              "「 巾 」の修正、修正終了＝Enter Key又はReturn Key キャンセル＝Esc Key");
    EXPECT_EQ(BitmapForm::editingStatus(BitmapValue::X),
              "「X位置」の修正、修正終了＝Enter Key又はReturn Key キャンセル＝Esc Key");
}

TEST_F(BitmapFormTest, ARubberRectangleBecomesTheCurrentAreasRectangle) {
    definition.bitmaps[1] = placed("mono.bmp", 10, -10, 20, -20);
    BitmapForm form(definition, folder.path(), messages);
    form.showArea(1);
    form.takeRubberRectangle({100, -50, 400, -250});
    EXPECT_EQ(form.values(), (BitmapRectValues{100, 50, 300, 200}));
    ASSERT_TRUE(form.store());
    EXPECT_EQ(definition.bitmaps[1].left, 100);
    EXPECT_EQ(definition.bitmaps[1].bottom, -250);

    // Drawn past the label's corner: cut to the label. No area was current; the shown one is
    // taken up again.
    form.takeRubberRectangle({-30, 20, 600, -400});
    EXPECT_EQ(form.currentArea(), 1);
    EXPECT_EQ(form.values(), (BitmapRectValues{0, 0, 450, 300}));
}

TEST_F(BitmapFormTest, FittingNeedsARealFrameAndSizesThePreviewToIt) {
    BitmapForm form(definition, folder.path(), messages);
    ASSERT_TRUE(form.choosePath(folder.file("logo.BMP")));
    EXPECT_EQ(form.previewSize(96, 96).width, 96);
    EXPECT_EQ(form.previewSize(96, 96).height, 48);
    setRect(form, 0, 0, 254, 0);
    EXPECT_FALSE(form.setFitToFrame(true));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"枠の大きさが不正です！"});
    EXPECT_FALSE(form.fitToFrame());

    messages.clear();
    form.setValue(BitmapValue::Height, 127);
    EXPECT_TRUE(form.setFitToFrame(true));
    EXPECT_TRUE(messages.texts().empty());
    EXPECT_EQ(form.previewSize(96, 120).width, 96);   // 25.4 mm at 96 dpi
    EXPECT_EQ(form.previewSize(96, 120).height, 60);  // 12.7 mm at 120 dpi
    EXPECT_FALSE(form.setFitToFrame(false));
    EXPECT_EQ(form.previewSize(96, 120).height, 48);

    form.typePath(folder.file("missing.bmp"));
    EXPECT_EQ(form.previewSize(96, 96).width, 0);
}

TEST_F(BitmapFormTest, ADamagedStoredRectangleIsShownWithoutOverflow) {
    definition.bitmaps[0] = placed("mono.bmp", INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN);
    BitmapForm form(definition, folder.path(), messages);
    EXPECT_EQ(form.valueText(BitmapValue::X), "-214748364.8");
    EXPECT_EQ(form.value(BitmapValue::Width), INT32_MAX);
    form.setValue(BitmapValue::X, 10);  // editing brings the rectangle back onto the label
    EXPECT_EQ(form.values(), (BitmapRectValues{10, 0, 440, 300}));
}

}  // namespace
}  // namespace qv
