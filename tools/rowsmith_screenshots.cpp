// Saves a picture of each of the data editor's dialogs into the folder given:
// `rowsmith_screenshots docs/screenshots` (under Xvfb, as dialog_screenshots).
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>

#include "common/message_service.h"
#include "editor/dialogs/about_dialog.h"
#include "editor/dialogs/association_dialog.h"
#include "editor/dialogs/barcode_field_dialog.h"
#include "editor/dialogs/explanation_dialog.h"
#include "editor/dialogs/extraction_dialogs.h"
#include "editor/dialogs/extraction_method_dialog.h"
#include "editor/dialogs/field_maintenance_dialog.h"
#include "editor/dialogs/font_settings_dialog.h"
#include "editor/dialogs/label_program_path_dialog.h"
#include "editor/dialogs/launch_dialog.h"
#include "editor/dialogs/record_maintenance_dialog.h"
#include "editor/dialogs/search_replace_dialog.h"
#include "platform/qt_text.h"

namespace {

void save(QDialog& dialog, const QString& folder, const QString& name) {
    dialog.show();
    QApplication::processEvents();
    dialog.grab().save(folder + "/" + name + ".png");
    dialog.close();
}

// A small shop list, as the maintenance dialogs are shown with.
void fillSample(qv::CROWSMITHDoc& document) {
    document.lines = {qv::toSjis(QStringLiteral("JANコード,商品名,売価,店舗,入荷日")),
                      qv::toSjis(QStringLiteral("4901234567894,りんご,120,本店,2024/04/01")),
                      qv::toSjis(QStringLiteral("4909876543217,みかん,80,駅前店,2024/04/02")),
                      qv::toSjis(QStringLiteral("490111122223,ぶどう,450,本店,2024/04/03"))};
    document.splitHeader();
    document.columnWidths = {13, 20, 6, 10, 10};
}

// Types `text` into the edit `name`, as the user would (the dialogs follow typed text).
void setText(QDialog& dialog, const char* name, const QString& text) {
    if (auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(name))) {
        edit->clear();
        edit->insert(text);
    }
}

void saveMaintenanceDialogs(const QString& folder) {
    qv::StderrMessageService messages;
    qv::CROWSMITHDoc document(messages);
    fillSample(document);
    qv::RecordMaintenanceDialog record(document, messages, QStringLiteral("SHOP.CSV"), 2);
    save(record, folder, "rowsmith-dialog-record");
    qv::FieldMaintenanceDialog field(document, messages);
    field.findChild<QListWidget*>(QStringLiteral("fieldList"))->setCurrentRow(1);
    setText(field, "fieldName", QStringLiteral("商品名カナ"));
    save(field, folder, "rowsmith-dialog-field");
    qv::SearchReplaceDialog search(document, messages);
    setText(search, "fieldName", QStringLiteral("店舗"));
    setText(search, "searchText", QStringLiteral("本店"));
    save(search, folder, "rowsmith-dialog-search");
    qv::BarcodeFieldDialog barcode(document, messages);
    setText(barcode, "fieldName", QStringLiteral("JAN"));
    save(barcode, folder, "rowsmith-dialog-barcode");
}

// The extraction, association, launch and label program path dialogs over a small shop file.
void saveLaunchDialogs(const QString& folder) {
    qv::StderrMessageService messages;
    qv::CROWSMITHDoc document(messages);
    document.lines = {"CODE,NAME,PRICE", qv::toSjis(QStringLiteral("4901234567894,りんご,120"))};
    document.splitHeader();
    qv::RowsmithSettings settings;
    settings.labelProgramPath = "/usr/local/bin/quorvi32";
    settings.associations = {
        qv::formatAssociation({"棚札", "/home/shop/labels/shelf.qvd", "/home/shop/data/shelf.csv"}),
        qv::formatAssociation({"値札", "/home/shop/labels/price.qvd", "/home/shop/data/price.csv"}),
        qv::formatAssociation(
            {"発送ラベル", "/home/shop/labels/ship.qvd", "/home/shop/data/ship.csv"})};
    const QString lastData = QStringLiteral("/home/shop/data/price.csv");

    qv::ExtractionMethodDialog method(document, messages);
    save(method, folder, "rowsmith-dialog-extraction-method");
    qv::ExtractionBuffer buffer;
    qv::SerialExtractionDialog serial(document, buffer, messages);
    save(serial, folder, "rowsmith-dialog-extraction-serial");
    qv::FieldExtractionDialog field(document, buffer, messages);
    save(field, folder, "rowsmith-dialog-extraction-field");
    qv::AssociationDialog association(settings, lastData, QStringLiteral("price.csv"), messages);
    save(association, folder, "rowsmith-dialog-association");
    qv::LaunchDialog launch(document, QStringLiteral("price.csv"), settings, lastData, messages);
    save(launch, folder, "rowsmith-dialog-launch");
    qv::LabelProgramPathDialog path(settings.labelProgramPath, messages);
    save(path, folder, "rowsmith-dialog-label-program-path");
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);

    qv::RowsmithFonts fonts;
    fonts.screenFace = "IPAゴシック";
    fonts.screenSize = 11;
    fonts.japaneseOnly = true;
    qv::FontSettingsDialog fontSettings(fonts);
    save(fontSettings, folder, "rowsmith-dialog-font");
    qv::ExplanationDialog explanation(qv::kLabelProgramExplanation,
                                      QStringLiteral("Quorviとの関連付け(パス指定)"));
    save(explanation, folder, "rowsmith-dialog-explanation");
    qv::AboutDialog about(QStringLiteral(QUORVI_VERSION));
    save(about, folder, "rowsmith-dialog-about");
    saveMaintenanceDialogs(folder);
    saveLaunchDialogs(folder);
    return 0;
}
