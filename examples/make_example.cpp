// Writes the bundled example definition examples/shop.qvd (run from the source tree):
//   cmake --build build --target make_example && ./build/examples/make_example examples/shop.qvd
#include "common/sjis_text.h"
#include "label/definition/definition_file.h"
#include "label/definition/literal_entry.h"
#include "tools/definition_writer.h"

namespace {

using qv::sjis::fromUtf8;

constexpr int kJanAttributes = 8 | 1;      // JAN with the digits under the bars
constexpr int kCode39Attributes = 64 | 1;  // CODE 39 with its text
constexpr int kBold = 1;

qv::LabelDefinition shopLabels() {
    qv::LabelDefinition d = qv::newLabelDefinition();
    d.sheet.paperIndex = 1;  // A4 landscape
    d.sheet.labelWidthMm = 90;
    d.sheet.labelHeightMm = 45;
    d.sheet.firstLabelLeftMm = 10;
    d.sheet.firstLabelTopMm = 10;
    d.sheet.maxColumns = 3;
    d.sheet.maxRows = 4;
    d.titleText = fromUtf8("商品ラベル見本");
    d.titlePosition = 1;  // top, centred
    d.addStartStop = 1;   // the item codes get their CODE 39 "*" start and stop characters

    d.dataFile.dataFilePath = "shop.csv";  // beside the definition
    d.dataFile.dataFileName = "shop.csv";
    d.dataFile.skipFirstLine = 1;
    d.dataFile.fieldNames = {fromUtf8("JANコード"), fromUtf8("商品名"), fromUtf8("価格"),
                             fromUtf8("品番")};
    d.dataFile.fieldLengths = {13, 40, 8, 10};

    qv::FieldPlacement& jan = d.fields[0];
    jan = {4, 20, qv::kDefaultFaceName, 10, 52, 20, kJanAttributes, 0, 0};
    qv::FieldPlacement& name = d.fields[1];
    name = {4, 4, fromUtf8("ＭＳ ゴシック"), 12, 0, 0, kBold, 0, 0};
    qv::FieldPlacement& price = d.fields[2];
    price = {62, 17, qv::kDefaultFaceName, 14, 0, 0, kBold, 0, 11};
    qv::FieldPlacement& code = d.fields[3];
    code = {60, 29, qv::kDefaultFaceName, 10, 27, 12, kCode39Attributes, 0, 0};

    d.literals[0] = {qv::makeLiteralEntry({fromUtf8("価格(税込)"), "", 0}), 8, 0, 62, 13};
    d.literals[1] = {qv::makeLiteralEntry({"\\d1", "", 14}), 6, 0, 70, 41};
    d.ruledLines[0] = {2, -11, 88, -11};
    return d;
}

}  // namespace

int main(int argc, char* argv[]) {
    return qv::tools::writeDefinitionMain(argc, argv, "make_example", shopLabels());
}
