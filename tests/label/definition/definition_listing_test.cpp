#include "label/definition/definition_listing.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

LabelDefinition twoFieldDefinition() {
    LabelDefinition d;
    d.titleText = "\x8f\xa4\x95\x69";  // "商品" in Shift-JIS
    d.dataFile.dataFileName = "shop.csv";
    d.dataFile.dataFilePath = "data/shop.csv";
    d.dataFile.fieldNames = {"JAN", "NAME", "NW7"};
    d.dataFile.fieldLengths = {13, 20, 8};
    d.fields[0].xMm = 2;
    d.fields[0].yMm = 3;
    d.fields[0].attributes = 8 | 1;  // JAN with the text under the bars
    d.fields[0].barWidthMm = 40;
    d.fields[0].barHeightMm = 15;
    d.fields[1].xMm = 5;
    d.fields[1].yMm = 20;
    d.fields[1].fontName = "";
    d.fields[1].pointSize = 12;
    d.fields[2].xMm = 1;
    d.fields[2].attributes = 32;  // NW7
    return d;
}

TEST(DefinitionListing, LinesInOrder) {
    const std::string text = listingText(buildDefinitionListing(twoFieldDefinition()));
    const std::string expected =
        "Title   \t商品\n"
        "※ファイルの定義\n"
        "File Name\tshop.csv\n"
        "File Path\tdata/shop.csv\n"
        "File Type\tカンマ編集\n"
        "1行目の処理\t通常処理\n"
        "バーコード種類\tJAN CODE,NW7 CODE  文字あり\n"
        "\n"
        "※用紙の定義とヘッダ、フッター\n"
        "用紙のサイズ\tＡ４よこ(297mm  ×  210mm)\n"
        "タイトルの設定\t位置上部  中央揃え  ＭＳ 明朝  14ポイント\n"
        "ラベルのサイズ\t巾=45mm 高さ=30mm 用紙巾に合わせない\n"
        "最初のラベルの位置\tLeft = 15mm  Top = 15mm\n"
        "頁No.の印刷\tあり\n"
        "日付の印刷\tあり\n"
        "枠線の有無\tあり\n"
        "ラベル印刷方向\tN方向\n"
        "\n"
        "※フィールドの定義\n"
        "JAN\n"
        "     フィールド：ポジション　 1　　　 Length = 可変\n"
        "     ラベルへの配置：左端から = 2mm  上端から = 3mm   属性 = バーコード(JAN CODE)\n"
        "     バーのサイズ：Width = 40mm   Height = 15mm(目安です)\n"
        "\n"
        "NAME\n"
        "     フィールド：ポジション　 2　　　 Length = 可変\n"
        "     ラベルへの配置：左端から = 5mm  上端から = 20mm   属性 = 文字列\n"
        "     文字属性：    12ポイント\n"
        "\n"
        "NW7\n"
        "     フィールド：ポジション　 3　　　 Length = 可変\n"
        "     ラベルへの配置：左端から = 1mm  上端から = 0mm   属性 = バーコード(NW7 CODE)\n"
        "     バーのサイズ：Width = 0mm   Height = 0mm(目安です)\n"
        "\n";
    EXPECT_EQ(text, expected);
}

TEST(DefinitionListing, FixedLengthPositionsAreByteOffsets) {
    LabelDefinition d = twoFieldDefinition();
    d.dataFile.dataFileType = 0;
    d.dataFile.skipFirstLine = 1;
    const std::string text = listingText(buildDefinitionListing(d));
    EXPECT_NE(text.find("File Type\t固定長テキスト\n"), std::string::npos);
    EXPECT_NE(text.find("1行目の処理\tスキップする\n"), std::string::npos);
    EXPECT_NE(text.find("ポジション　 1　　　 Length = 13\n"), std::string::npos);
    EXPECT_NE(text.find("ポジション　 14　　　 Length = 20\n"), std::string::npos);
    EXPECT_NE(text.find("ポジション　 34　　　 Length = 8\n"), std::string::npos);
}

TEST(DefinitionListing, EmptyPartsAndSettingsWords) {
    LabelDefinition d;
    d.titlePosition = 5;  // middle row, right
    d.sheet.fitToPaperWidth = 1;
    d.sheet.noFrameLines = 1;
    d.sheet.printDirection = 1;
    d.printDate = 0;
    d.barTextFlag = 0;
    const std::vector<ListingLine> lines = buildDefinitionListing(d);
    EXPECT_EQ(lines[0].value, kEmptyListingPart);  // no title
    const std::string text = listingText(lines);
    EXPECT_EQ(text.rfind("Title   \n※ファイルの定義\nFile Name\nFile Path\n", 0), 0u);
    EXPECT_NE(text.find("バーコード種類\tコードなし  文字なし\n"), std::string::npos);
    EXPECT_NE(text.find("右端揃え"), std::string::npos);
    EXPECT_NE(text.find("用紙巾に合わせる\n"), std::string::npos);
    EXPECT_NE(text.find("日付の印刷\tなし\n"), std::string::npos);
    EXPECT_NE(text.find("枠線の有無\tなし\n"), std::string::npos);
    EXPECT_NE(text.find("ラベル印刷方向\tZ方向\n"), std::string::npos);
    const std::string lastLine = "\n※フィールドの定義\n";  // no field: the heading ends it
    EXPECT_EQ(text.substr(text.size() - lastLine.size()), lastLine);
}

TEST(DefinitionListing, UsedKindsSkipUnplacedFieldsAndRepeats) {
    LabelDefinition d = twoFieldDefinition();
    d.dataFile.fieldNames.push_back("JAN2");
    d.fields[3].xMm = 0;
    d.fields[3].attributes = 8;
    EXPECT_EQ(usedBarcodeKinds(d), "JAN CODE,NW7 CODE");
    d.fields[0].xMm = -1;
    d.fields[2].xMm = -1;
    EXPECT_EQ(usedBarcodeKinds(d), "JAN CODE");
}

}  // namespace
}  // namespace qv
