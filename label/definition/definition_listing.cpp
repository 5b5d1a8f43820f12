#include "label/definition/definition_listing.h"

#include <algorithm>

#include "common/sjis_text.h"
#include "common/text_format.h"
#include "label/definition/definition_bits.h"
#include "label/definition/paper_table.h"

namespace qv {

namespace {

const char* yesNo(int flag) {
    return flag ? "あり" : "なし";
}

bool isFixedLength(const DataFileSpec& spec) {
    return spec.dataFileType == 0;
}

class ListingBuilder {
  public:
    void line(const std::string& label, const std::string& value = {}) {
        lines_.push_back(
            {label.empty() ? kEmptyListingPart : label, value.empty() ? kEmptyListingPart : value});
    }
    void blank() { line({}); }
    std::vector<ListingLine> take() { return std::move(lines_); }

  private:
    std::vector<ListingLine> lines_;
};

void addDataFile(ListingBuilder& out, const LabelDefinition& d) {
    const DataFileSpec& spec = d.dataFile;
    out.line("※ファイルの定義");
    out.line("File Name", sjis::toUtf8(spec.dataFileName));
    out.line("File Path", sjis::toUtf8(spec.dataFilePath));
    out.line("File Type", isFixedLength(spec) ? "固定長テキスト" : "カンマ編集");
    out.line("1行目の処理", spec.skipFirstLine ? "スキップする" : "通常処理");
    out.line("バーコード種類",
             formatText("%s  文字%s", usedBarcodeKinds(d).c_str(), yesNo(d.barTextFlag)));
    out.blank();
}

void addPaper(ListingBuilder& out, const LabelDefinition& d) {
    static const char* const kHorizontal[] = {"左端", "中央", "右端"};
    const SheetGeometry& s = d.sheet;
    out.line("※用紙の定義とヘッダ、フッター");
    out.line("用紙のサイズ", formatText("%s(%dmm  ×  %dmm)", PaperTable::displayName(s.paperIndex),
                                        s.paperWidthMm, s.paperHeightMm));
    out.line(
        "タイトルの設定",
        formatText("位置上部  %s揃え  %s  %uポイント", kHorizontal[((d.titlePosition % 3) + 3) % 3],
                   sjis::toUtf8(d.titleFontName).c_str(), static_cast<unsigned>(d.titlePointSize)));
    out.line("ラベルのサイズ",
             formatText("巾=%dmm 高さ=%dmm 用紙巾%s", s.labelWidthMm, s.labelHeightMm,
                        s.fitToPaperWidth ? "に合わせる" : "に合わせない"));
    out.line("最初のラベルの位置",
             formatText("Left = %dmm  Top = %dmm", s.firstLabelLeftMm, s.firstLabelTopMm));
    out.line("頁No.の印刷", yesNo(d.printPageNumber));
    out.line("日付の印刷", yesNo(d.printDate));
    out.line("枠線の有無", s.noFrameLines ? "なし" : "あり");
    out.line("ラベル印刷方向", s.printDirection == 1 ? "Z方向" : "N方向");
    out.blank();
}

void addField(ListingBuilder& out, const LabelDefinition& d, int index, int position) {
    const DataFileSpec& spec = d.dataFile;
    const FieldPlacement& field = d.fields[static_cast<size_t>(index)];
    const BarcodeKind kind = barcodeKindOf(field);
    const std::string length = isFixedLength(spec)
                                   ? formatText("%d", spec.fieldLengths[static_cast<size_t>(index)])
                                   : std::string("可変");
    const std::string attribute = kind == BarcodeKind::Text
                                      ? std::string("文字列")
                                      : formatText("バーコード(%s)", barcodeKindName(kind));
    out.line(sjis::toUtf8(spec.fieldNames[static_cast<size_t>(index)]));
    out.line(
        formatText("     フィールド：ポジション　 %d　　　 Length = %s", position, length.c_str()));
    out.line(formatText("     ラベルへの配置：左端から = %dmm  上端から = %dmm   属性 = %s",
                        field.xMm, field.yMm, attribute.c_str()));
    if (kind == BarcodeKind::Text) {
        const std::string face = field.fontName.empty() ? " " : sjis::toUtf8(field.fontName);
        out.line(formatText("     文字属性：%s   %dポイント", face.c_str(), field.pointSize));
    } else {
        out.line(formatText("     バーのサイズ：Width = %dmm   Height = %dmm(目安です)",
                            field.barWidthMm, field.barHeightMm));
    }
    out.blank();
}

void addFields(ListingBuilder& out, const LabelDefinition& d) {
    out.line("※フィールドの定義");
    int byteOffset = 1;
    for (int index = 0; index < fieldCount(d.dataFile); ++index) {
        const bool fixed = isFixedLength(d.dataFile);
        addField(out, d, index, fixed ? byteOffset : index + 1);
        byteOffset += d.dataFile.fieldLengths[static_cast<size_t>(index)];
    }
}

}  // namespace

std::string usedBarcodeKinds(const LabelDefinition& definition) {
    std::vector<BarcodeKind> kinds;
    for (int index = 0; index < fieldCount(definition.dataFile); ++index) {
        const FieldPlacement& field = definition.fields[static_cast<size_t>(index)];
        const BarcodeKind kind = barcodeKindOf(field);
        if (!isPlaced(field) || kind == BarcodeKind::Text) continue;
        if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end()) kinds.push_back(kind);
    }
    if (kinds.empty()) return "コードなし";
    std::string joined;
    for (BarcodeKind kind : kinds) {
        if (!joined.empty()) joined += ",";
        joined += barcodeKindName(kind);
    }
    return joined;
}

std::vector<ListingLine> buildDefinitionListing(const LabelDefinition& definition) {
    ListingBuilder out;
    out.line("Title   ", sjis::toUtf8(definition.titleText));
    addDataFile(out, definition);
    addPaper(out, definition);
    addFields(out, definition);
    return out.take();
}

std::string listingText(const std::vector<ListingLine>& lines) {
    std::string text;
    for (const ListingLine& line : lines) {
        const bool hasLabel = line.label != kEmptyListingPart;
        const bool hasValue = line.value != kEmptyListingPart;
        if (hasLabel) text += line.label;
        if (hasLabel && hasValue) text += '\t';
        if (hasValue) text += line.value;
        text += '\n';
    }
    return text;
}

}  // namespace qv
