// Writes the definition that reproduces the peer benchmark's label sheet (see
// bench/peer/README.md): A4 landscape, 6 x 9 labels of 45 x 20 mm from 15/10 mm, filled across,
// an EAN-13 of `code` with its digits and the `name` and `price` fields below it.
//   make_peer_sheet OUTPUT.qvd
#include "label/definition/definition_file.h"
#include "tests/support/label_grid.h"
#include "tools/definition_writer.h"

namespace {

qv::LabelDefinition peerSheet() {
    qv::LabelDefinition d = qv::newLabelDefinition();
    d.sheet.paperIndex = 1;  // A4 landscape
    qv::test::placeLabels(d.sheet, {45, 20, 15, 10, 6, 9});
    d.sheet.printDirection = 1;  // Z: across first
    d.sheet.noFrameLines = 1;
    d.printPageNumber = 0;
    d.printDate = 0;
    d.dataFile.dataFilePath = "records.csv";
    d.dataFile.dataFileName = "records.csv";
    d.dataFile.skipFirstLine = 1;
    d.dataFile.fieldNames = {"code", "name", "price"};
    d.dataFile.fieldLengths = {13, 10, 8};
    d.fields[0] = {2, 0, qv::kDefaultFaceName, 10, 41, 12, 8 | 1, 0, 0};  // EAN-13 with digits
    d.fields[1] = {3, 13, qv::kDefaultFaceName, 9, 0, 0, 0, 0, 0};
    d.fields[2] = {28, 13, qv::kDefaultFaceName, 9, 0, 0, 0, 0, 0};
    return d;
}

}  // namespace

int main(int argc, char* argv[]) {
    return qv::tools::writeDefinitionMain(argc, argv, "make_peer_sheet", peerSheet());
}
