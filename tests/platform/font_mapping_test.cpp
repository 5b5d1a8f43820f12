#include "platform/font_mapping.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include "common/sjis_text.h"

namespace qv {
namespace {

FontSpec requestFor(const char* faceUtf8, int height = 40) {
    FontSpec request;
    request.faceName = sjis::fromUtf8(faceUtf8);
    request.height = height;
    return request;
}

// The family that fontconfig actually gives for the mapped font.
QString resolvedFamily(const char* faceUtf8) {
    return QFontInfo(fontFor(requestFor(faceUtf8), 1.0)).family();
}

// ---- Face names

struct FaceCase {
    const char* stored;  // as a definition stores it (UTF-8 here, CP932 in the file)
    const char* installed;
};

class FaceMapping : public ::testing::TestWithParam<FaceCase> {};

TEST_P(FaceMapping, ResolvesToAnInstalledFamily) {
    const FaceCase& c = GetParam();
    EXPECT_EQ(familyForFace(sjis::fromUtf8(c.stored)), QString::fromUtf8(c.installed));
    EXPECT_EQ(resolvedFamily(c.stored), QString::fromUtf8(c.installed)) << "not installed?";
}

INSTANTIATE_TEST_SUITE_P(
    StoredFaces, FaceMapping,
    ::testing::Values(
        // The faces of the definition files; P (proportional) faces have proportional twins.
        FaceCase{"ＭＳ 明朝", "IPAMincho"}, FaceCase{"ＭＳ Ｐ明朝", "IPAPMincho"},
        FaceCase{"ＭＳ ゴシック", "IPAGothic"}, FaceCase{"ＭＳ Ｐゴシック", "IPAPGothic"},
        FaceCase{"ＭＳ ＵＩ ゴシック", "IPAPGothic"},
        // Latin spellings of the same faces, in any case.
        FaceCase{"MS Mincho", "IPAMincho"}, FaceCase{"MS PGothic", "IPAPGothic"},
        FaceCase{"ms gothic", "IPAGothic"},
        // Other Mincho and Gothic faces fall to the same families.
        FaceCase{"HG明朝E", "IPAMincho"}, FaceCase{"ＨＧゴシックＭ", "IPAGothic"},
        // A vertical writing face maps as its horizontal face.
        FaceCase{"@ＭＳ 明朝", "IPAMincho"}, FaceCase{"@ＭＳ Ｐゴシック", "IPAPGothic"},
        // Windows' Latin faces and their metric twins.
        FaceCase{"Arial", "Liberation Sans"}, FaceCase{"Times New Roman", "Liberation Serif"},
        FaceCase{"Courier New", "Liberation Mono"},
        // An installed face is kept.
        FaceCase{"Liberation Mono", "Liberation Mono"}, FaceCase{"IPAPMincho", "IPAPMincho"},
        // Unknown faces: Japanese ones to IPAGothic, others to Liberation Sans.
        FaceCase{"ＨＧ創英角ポップ体", "IPAGothic"}, FaceCase{"No Such Face", "Liberation Sans"},
        FaceCase{"", "Liberation Sans"}));

TEST(FaceMappingSystem, IsTheApplicationsDefaultFont) {
    const QString uiFamily = QFontInfo(QGuiApplication::font()).family();
    EXPECT_EQ(familyForFace("System"), uiFamily);
    EXPECT_EQ(resolvedFamily("System"), uiFamily);
}

TEST(FaceMappingVertical, OnlyALeadingAtMarksAVerticalFace) {
    EXPECT_TRUE(isVerticalFace(sjis::fromUtf8("@ＭＳ 明朝")));
    EXPECT_FALSE(isVerticalFace(sjis::fromUtf8("ＭＳ 明朝")));
    EXPECT_FALSE(isVerticalFace("Arial@"));
    EXPECT_FALSE(isVerticalFace(""));
}

// ---- Sizes and styles

class FontHeight : public ::testing::TestWithParam<const char*> {};

TEST_P(FontHeight, LineHeightIsTheCellHeight) {
    // 40 units (4 mm) at 300 dpi: 40 x 300 / 254 = 47.2 pixels of line height.
    const double pixelsPerUnit = 300.0 / 254.0;
    const QFont font = fontFor(requestFor(GetParam(), 40), pixelsPerUnit);
    EXPECT_NEAR(QFontMetricsF(font).height(), 47.2, 1.0);
    // Ten times the height, ten times the line height.
    const QFont large = fontFor(requestFor(GetParam(), 400), pixelsPerUnit);
    EXPECT_NEAR(QFontMetricsF(large).height(), 472.4, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Faces, FontHeight,
                         ::testing::Values("ＭＳ 明朝", "ＭＳ ゴシック", "Arial", "Courier New",
                                           "System"));

TEST(FontStyle, WeightItalicAndUnderline) {
    FontSpec request = requestFor("Arial");
    request.weight = kBoldWeight;
    EXPECT_TRUE(QFontInfo(fontFor(request, 1.0)).bold());
    request.weight = kNormalWeight;  // the labels' 450 is normal, not medium
    EXPECT_FALSE(QFontInfo(fontFor(request, 1.0)).bold());
    request.weight = 400;
    request.italic = true;
    request.underline = true;
    const QFont font = fontFor(request, 1.0);
    EXPECT_FALSE(QFontInfo(font).bold());
    EXPECT_TRUE(QFontInfo(font).italic());
    EXPECT_TRUE(font.underline());
}

TEST(FontWidth, AverageCharacterWidthAsWindowsMeasuresIt) {
    // IPAMincho, like ＭＳ 明朝, has half-width Latin glyphs: the average width is every digit's.
    FontSpec mincho = requestFor("ＭＳ 明朝", 100);
    mincho.width = 30;
    EXPECT_NEAR(QFontMetricsF(fontFor(mincho, 1.0)).horizontalAdvance("0123456789"), 300, 6);
    // Arial's average width is 904/2048 em and its digits 1139/2048 em (its OS/2 and hmtx
    // tables); Liberation Sans shares them, so ten digits are 10 x 30 x 1139 / 904 = 378 wide.
    FontSpec arial = requestFor("Arial", 100);
    arial.width = 30;
    EXPECT_NEAR(QFontMetricsF(fontFor(arial, 1.0)).horizontalAdvance("0123456789"), 378, 8);
    // The width follows the across scale, the height the down scale.
    const QFont stretched = fontFor(arial, 2.0, 1.0);
    EXPECT_NEAR(QFontMetricsF(stretched).horizontalAdvance("0123456789"), 756, 16);
    EXPECT_NEAR(QFontMetricsF(stretched).height(), 100, 1.0);
}

}  // namespace
}  // namespace qv
