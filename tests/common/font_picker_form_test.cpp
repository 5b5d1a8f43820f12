#include "common/font_picker_form.h"

#include <gtest/gtest.h>

#include "common/sjis_text.h"

namespace qv {
namespace {

std::string sjis(const char* utf8) {
    return sjis::fromUtf8(utf8);
}

// A desktop's families in enumeration order, with the kinds of names the list leaves out.
std::vector<FontFamily> installed() {
    return {
        {"Arial", true, false},          {"@" + sjis("ＭＳ 明朝"), true, true},  // vertical face
        {sjis("ＭＳ 明朝"), true, true}, {"%Printer", true, false},
        {"&Symbol", true, false},        {"Fixedsys", false, false},  // bitmap font
        {"Terminal", false, true},  // bitmap font with Japanese coverage
        {"Courier New", true, false},
    };
}

std::vector<std::string> names(const FontPickerForm& form) {
    std::vector<std::string> result;
    for (const FontFamily& face : form.faces()) result.push_back(face.name);
    return result;
}

TEST(FontPickerFormListTest, TrueTypeOnlyLeavesOutMarkedVerticalAndBitmapFaces) {
    const FontPickerForm form(installed(), FontChoice{"Arial"}, true);
    EXPECT_EQ(names(form), (std::vector<std::string>{"Arial", sjis("ＭＳ 明朝"), "Courier New"}));
}

TEST(FontPickerFormListTest, WithoutTrueTypeOnlyBitmapFacesStayInEnumerationOrder) {
    const FontPickerForm form(installed(), FontChoice{"Arial"}, false);
    EXPECT_EQ(names(form), (std::vector<std::string>{"Arial", sjis("ＭＳ 明朝"), "Fixedsys",
                                                     "Terminal", "Courier New"}));
}

TEST(FontPickerFormListTest, JapaneseOnlyKeepsShiftJisFaces) {
    const FontPickerForm form(installed(), FontChoice{sjis("ＭＳ 明朝")}, false, true);
    EXPECT_EQ(names(form), (std::vector<std::string>{sjis("ＭＳ 明朝"), "Terminal"}));
}

TEST(FontPickerFormListTest, EachFamilyIsOfferedOnceUnderItsPlainName) {
    // Names as the font database gives a family that several foundries make.
    const std::vector<FontFamily> families = {
        {"Nimbus Sans [UKWN]", false, false},  // a bitmap foundry first: the outline one counts
        {"Nimbus Sans [urw]", true, false},
        {"IPAGothic", true, true},
        {"Nimbus Sans [URW ]", true, false},
        {"IPAGothic", true, true},      // the same family listed twice
        {"Font [x] Pro", true, false},  // brackets inside a name belong to it
    };
    const FontPickerForm form(families, FontChoice{"Nimbus Sans"}, true);
    EXPECT_EQ(names(form), (std::vector<std::string>{"Nimbus Sans", "IPAGothic", "Font [x] Pro"}));
    EXPECT_EQ(form.selectedRow(), 0);
    EXPECT_EQ(form.choice().face, "Nimbus Sans");
}

TEST(FontPickerFormListTest, NameRuleLooksAtTheFirstByteOnly) {
    EXPECT_FALSE(isListedFaceName("@Arial"));
    EXPECT_FALSE(isListedFaceName("%x"));
    EXPECT_FALSE(isListedFaceName("&x"));
    EXPECT_FALSE(isListedFaceName(""));
    EXPECT_TRUE(isListedFaceName("A@%&"));
}

TEST(FontPickerFormSelectionTest, PresetFaceIsSelected) {
    const FontPickerForm form(installed(), FontChoice{"Courier New", 14, true}, true);
    EXPECT_EQ(form.selectedRow(), 2);
    EXPECT_EQ(form.choice().face, "Courier New");
    EXPECT_EQ(form.choice().pointSize, 14);
    EXPECT_TRUE(form.choice().bold);
}

TEST(FontPickerFormSelectionTest, FaceLeftOutSelectsSystem) {
    // A bitmap face is not offered while TrueType only is on.
    const FontPickerForm form(installed(), FontChoice{"Fixedsys"}, true);
    EXPECT_EQ(form.choice().face, "System");
    ASSERT_GE(form.selectedRow(), 0);
    EXPECT_EQ(form.faces()[static_cast<size_t>(form.selectedRow())].name, "System");
    EXPECT_EQ(form.faces().size(), 4u);  // the three offered faces and "System"
}

TEST(FontPickerFormSelectionTest, ExistingSystemEntryIsReused) {
    std::vector<FontFamily> families = installed();
    families.push_back({"System", true, false});
    const FontPickerForm form(families, FontChoice{"@Arial"}, true);
    EXPECT_EQ(form.selectedRow(), 3);
    EXPECT_EQ(form.faces().size(), 4u);
}

TEST(FontPickerFormSelectionTest, ChoicesFollowTheControls) {
    FontPickerForm form(installed(), FontChoice{"Arial", 10}, true);
    form.chooseFace(1);
    form.setPointSize(24);
    form.setItalic(true);
    form.setUnderline(true);
    EXPECT_EQ(form.choice().face, sjis("ＭＳ 明朝"));
    EXPECT_EQ(form.choice().pointSize, 24);
    EXPECT_FALSE(form.choice().bold);
    EXPECT_TRUE(form.choice().italic);
    EXPECT_TRUE(form.choice().underline);
    form.chooseFace(3);       // beyond the list
    form.setPointSize(0);     // no size
    form.setPointSize(1000);  // beyond the largest size
    EXPECT_EQ(form.selectedRow(), 1);
    EXPECT_EQ(form.choice().pointSize, 24);
}

// A Linux desktop, where the Windows faces that files store are not installed.
std::vector<FontFamily> linuxDesktop() {
    return {{"IPAGothic", true, true},
            {"IPAMincho", true, true},
            {"IPAPGothic", true, true},
            {"Liberation Sans", true, false},
            {"Fixedsys", false, false}};
}

TEST(FontPickerFormStoredFaceTest, IsOfferedBeforeTheFamilyThatDrawsItAndSelected) {
    const FontPickerForm form(linuxDesktop(), FontChoice{sjis("ＭＳ 明朝"), 12}, true, false,
                              "IPAMincho");
    EXPECT_EQ(names(form), (std::vector<std::string>{"IPAGothic", sjis("ＭＳ 明朝"), "IPAMincho",
                                                     "IPAPGothic", "Liberation Sans"}));
    ASSERT_EQ(form.selectedRow(), 1);
    EXPECT_EQ(listText(form.faces()[1]), sjis("ＭＳ 明朝 (IPAMincho)"));
    EXPECT_EQ(listText(form.faces()[2]), "IPAMincho");
    EXPECT_EQ(form.choice().face, sjis("ＭＳ 明朝"));
    EXPECT_EQ(form.sampleText(), "あいうえお加喜苦懸庫123ABC");  // its family covers Shift-JIS
}

TEST(FontPickerFormStoredFaceTest, KeptThroughOtherChangesUntilAnotherFaceIsChosen) {
    // The font database may name the family with its foundry.
    FontPickerForm form(linuxDesktop(), FontChoice{sjis("ＭＳ Ｐゴシック"), 10}, true, false,
                        "IPAPGothic [IPA]");
    const int stored = form.selectedRow();
    ASSERT_EQ(listText(form.faces()[static_cast<size_t>(stored)]),
              sjis("ＭＳ Ｐゴシック (IPAPGothic)"));
    form.setPointSize(16);
    form.setBold(true);
    EXPECT_EQ(form.choice().face, sjis("ＭＳ Ｐゴシック"));
    EXPECT_EQ(form.choice().pointSize, 16);
    form.chooseFace(stored + 1);
    EXPECT_EQ(form.choice().face, "IPAPGothic");
    form.chooseFace(0);
    EXPECT_EQ(form.choice().face, "IPAGothic");
    form.chooseFace(stored);
    EXPECT_EQ(form.choice().face, sjis("ＭＳ Ｐゴシック"));
}

TEST(FontPickerFormStoredFaceTest, WithoutItsFamilyOnOfferSystemIsSelected) {
    struct Case {
        const char* face;  // UTF-8
        const char* drawnWith;
        bool japaneseOnly;
        const char* why;
    };
    const Case cases[] = {
        {"Arial", "Liberation Sans", true, "its family is not Japanese"},
        {"@ＭＳ 明朝", "IPAMincho", false, "vertical faces are never listed"},
        {"Fixedsys", "Fixedsys", false, "installed, but left out as a bitmap font"},
        {"Tahoma", "", false, "no family known"},
    };
    for (const Case& c : cases) {
        const FontPickerForm form(linuxDesktop(), FontChoice{sjis(c.face)}, true, c.japaneseOnly,
                                  c.drawnWith);
        EXPECT_EQ(form.choice().face, "System") << c.why;
        for (const FontFamily& face : form.faces()) EXPECT_EQ(face.drawnWith, "") << c.why;
    }
}

TEST(FontPickerFormSampleTest, TextFollowsTheCharacterSetOfTheFace) {
    FontPickerForm form(installed(), FontChoice{"Arial"}, true);
    EXPECT_EQ(form.sampleText(), "ABCDab12345*!?");
    form.chooseFace(1);
    EXPECT_EQ(form.sampleText(), "あいうえお加喜苦懸庫123ABC");
}

TEST(FontPickerFormSampleTest, SizeIsPointsAtTheScreenResolution) {
    FontPickerForm form(installed(), FontChoice{"Arial", 12}, true);
    EXPECT_EQ(form.samplePixelSize(96), 16);  // 12 x 96 / 72
    EXPECT_EQ(form.samplePixelSize(72), 12);
    form.setPointSize(10);
    EXPECT_EQ(form.samplePixelSize(96), 13);  // 13.33 rounds down
    form.setPointSize(11);
    EXPECT_EQ(form.samplePixelSize(96), 15);  // 14.67 rounds up
}

TEST(FontPickerFormSampleTest, WeightIsSevenHundredOnlyWithBold) {
    FontPickerForm form(installed(), FontChoice{"Arial"}, true);
    EXPECT_EQ(form.sampleWeight(), 450);
    form.setBold(true);
    EXPECT_EQ(form.sampleWeight(), 700);
}

}  // namespace
}  // namespace qv
