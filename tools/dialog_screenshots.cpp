// Saves a picture of each dialog of the label program, filled from the bundled example, into
// the folder given, and writes a definition that uses every kind of content for the picture of
// the layout editor: `dialog_screenshots docs/screenshots RICH.qvd` (scripts/screenshots.sh runs
// it under Xvfb).
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "common/message_service.h"
#include "common/paths.h"
#include "common/profile_file.h"
#include "common/sjis_text.h"
#include "label/app/dialogs/data_file_dialog.h"
#include "label/app/dialogs/direction_dialog.h"
#include "label/app/dialogs/free_size_dialog.h"
#include "label/app/dialogs/label_size_dialog.h"
#include "label/app/dialogs/page_break_dialog.h"
#include "label/app/dialogs/serial_number_dialog.h"
#include "label/app/dialogs/title_dialog.h"
#include "label/definition/bmp_file.h"
#include "label/definition/definition_file.h"
#include "label/definition/literal_entry.h"
#include "label/definition/quorvi_doc.h"
#include "label/editor/widgets/barcode_kind_dialog.h"
#include "label/editor/widgets/barcode_settings_dialog.h"
#include "label/editor/widgets/bitmap_dialog.h"
#include "label/editor/widgets/field_placement_dialog.h"
#include "label/editor/widgets/literal_dialog.h"
#include "label/editor/widgets/macro_picker_dialog.h"
#include "label/editor/widgets/mono_pattern_dialog.h"
#include "label/editor/widgets/ruled_line_dialog.h"
#include "label/print/quorvi_settings_keys.h"
#include "platform/font_picker_dialog.h"
#include "platform/qt_translations.h"
#include "tools/screenshot_saving.h"

namespace {

using qv::screenshots::save;

// A label with a text field in each alignment and vertical writing, every symbology, literals
// with a date and a running number, and ruled lines.
qv::LabelDefinition richDefinition(const qv::LabelDefinition& example) {
    using qv::sjis::fromUtf8;
    qv::LabelDefinition d = example;
    d.sheet.labelWidthMm = 100;
    d.sheet.labelHeightMm = 70;
    d.sheet.maxColumns = 2;
    d.sheet.maxRows = 2;
    d.dataFile.fieldNames = {fromUtf8("商品名"), fromUtf8("価格"), "JAN", "ITF", "NW7",
                             "CODE39",           fromUtf8("産地")};
    d.dataFile.fieldLengths = {20, 8, 13, 14, 10, 10, 4};
    const std::string face = qv::kDefaultFaceName;
    d.fields[0] = {3, 3, face, 12, 0, 0, 1, 0, 0};
    d.fields[1] = {60, 3, face, 12, 0, 0, 0, 2, 11};
    d.fields[2] = {3, 14, face, 10, 45, 18, 8 | 1, 0, 0};
    d.fields[3] = {52, 14, face, 10, 40, 18, 16 | 1, 0, 0};
    d.fields[4] = {3, 40, face, 10, 40, 14, 32 | 1, 0, 4};
    d.fields[5] = {48, 40, face, 10, 35, 14, 64 | 1, 0, 0};
    d.fields[6] = {92, 30, face, 10, 0, 0, 0, 4, 9};
    d.literals[0] = {qv::makeLiteralEntry({"\\d4", "", 8}), 8, 0, 3, 60};
    d.literals[1] = {qv::makeLiteralEntry({"\\@", "", 0}), 8, 1, 90, 62};
    d.dataFile.dataFilePath = QUORVI_SOURCE_DIR "/examples/shop.csv";
    d.ruledLines[0] = {2, -12, 98, -12};
    d.ruledLines[1] = {2, -57, 98, -57};
    return d;
}

// A CSZ file whose first record asks for a JAN code and a price.
qv::CszContent monoPatternFile() {
    using qv::sjis::fromUtf8;
    qv::CszContent csz;
    csz.nameLine = fromUtf8("商品名,価格,JAN,ITF,NW7,CODE39,産地");
    csz.templateLine = fromUtf8("りんご,\\@,\\@,14901234567891,a1234a,*ABC*,青森");
    csz.lines = {csz.templateLine};
    csz.lineCount = 1;
    return csz;
}

// A small 256-colour logo for the bitmap dialog; false when it could not be written as one.
bool writeLogo(const QString& path) {
    QImage picture(160, 80, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0, 90, 170));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRect(8, 8, 64, 64));
    painter.setBrush(QColor(230, 120, 0));
    painter.drawRect(QRect(82, 20, 70, 40));
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(22);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(8, 8, 64, 64), Qt::AlignCenter, QStringLiteral("QV"));
    painter.end();
    if (!picture.convertToFormat(QImage::Format_Indexed8).save(path, "BMP")) return false;
    qv::LoadedBitmap check;
    return qv::LoadBitmapFile(path.toStdString(), check) == 8;
}

}  // namespace

int main(int argc, char* argv[]) {
    qv::screenshots::Application application(argc, argv);
    if (argc != 3) return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    qv::RecordingMessageService messages;
    qv::CQuorviDoc document(messages);
    if (!document.openDocument(QUORVI_SOURCE_DIR "/examples/shop.qvd")) return 1;
    qv::LabelDefinition& d = document.definition();
    d.pageBreakField = 2;

    qv::LabelSizeDialog labelSize(d.sheet, document.papers(), messages);
    save(labelSize, folder, "dialog-label-size");
    qv::FreeSizeDialog freeSize({250, 300});
    save(freeSize, folder, "dialog-free-size");
    qv::DirectionDialog direction(d.sheet.printDirection);
    save(direction, folder, "dialog-direction");
    qv::SerialNumberDialog serial(d.serialStartNumber, messages);
    save(serial, folder, "dialog-serial-number");
    qv::TitleDialog title(d);
    save(title, folder, "dialog-title");
    // The dialogs that keep settings read the program's settings file, as the program does.
    const qv::ProfileFile settingsFile(qv::settingsPath(qv::quorvi_keys::kFileName));
    qv::PageBreakDialog pageBreak(d, settingsFile, messages);
    save(pageBreak, folder, "dialog-page-break");
    qv::DataFileDialog dataFile(d.dataFile, document.definitionFolder(), messages);
    save(dataFile, folder, "dialog-data-file");

    // The rich definition carries a logo as bitmap 1, written beside it.
    qv::LabelDefinition rich = richDefinition(d);
    const std::string richFolder = qv::folderOf(argv[2]);
    const QString logo = QString::fromStdString(richFolder + "/logo.bmp");
    if (!writeLogo(logo)) return 1;
    rich.bitmaps[0] = {"logo.bmp", 500, -585, 720, -695};
    std::string error;
    if (qv::saveDefinitionFile(argv[2], rich, &error) != qv::DefinitionFileStatus::Ok) return 1;
    qv::FieldPlacementDialog placement(rich, messages);
    save(placement, folder, "dialog-field-placement");
    qv::BarcodeKindDialog kind(rich, 2, 0);
    save(kind, folder, "dialog-barcode-kind");
    qv::BarcodeSettingsDialog barcodeSettings(rich, settingsFile, messages);
    save(barcodeSettings, folder, "dialog-barcode-settings");
    qv::FontPickerDialog fonts(qv::installedFamilies(),
                               {qv::kDefaultFaceName, 12, true, false, false}, true);
    save(fonts, folder, "dialog-font-picker");
    qv::MacroClock clock;
    qv::LiteralDialog literals(rich, messages, clock, {});
    save(literals, folder, "dialog-literal");
    qv::RuledLineDialog lines(rich, messages);
    save(lines, folder, "dialog-ruled-line");
    qv::MacroPickerDialog macros(clock.timestamp(), {});
    save(macros, folder, "dialog-macro-picker");

    const qv::CszContent csz = monoPatternFile();
    qv::MonoPatternDialog monoPattern(rich, csz, messages, {});
    monoPattern.resize(640, 240);
    monoPattern.show();
    // Inserting counts as typing, so the JAN code typed last is previewed.
    monoPattern.findChild<QLineEdit*>(QStringLiteral("input1"))->insert(QStringLiteral("198"));
    monoPattern.findChild<QLineEdit*>(QStringLiteral("input2"))
        ->insert(QStringLiteral("4901234567894"));
    save(monoPattern, folder, "dialog-mono-pattern");
    qv::MonoPatternForm fields(rich, csz, messages);
    qv::FieldEditDialog fieldEdit(fields.editFields());
    save(fieldEdit, folder, "dialog-field-edit");
    qv::BitmapDialog bitmaps(rich, richFolder, messages, false);
    save(bitmaps, folder, "dialog-bitmap");
    const auto info = bitmaps.form().infoTexts(bitmaps.logicalDpiX(), bitmaps.logicalDpiY());
    if (!info) return 1;
    qv::BitmapInfoDialog bitmapInfo(*info);
    save(bitmapInfo, folder, "dialog-bitmap-info");
    return 0;
}
