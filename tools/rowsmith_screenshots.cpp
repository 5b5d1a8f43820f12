// Saves a picture of each of the data editor's dialogs into the folder given:
// `rowsmith_screenshots docs/screenshots` (under Xvfb, as dialog_screenshots).
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "common/message_service.h"
#include "editor/app/child_frame.h"
#include "editor/app/main_frame.h"
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
#include "editor/model/rowsmith_settings.h"
#include "editor/widgets/rowsmith_view.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_text.h"
#include "platform/qt_translations.h"
#include "tools/screenshot_saving.h"

namespace {

using qv::screenshots::save;

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

// The font settings, the explanation and the About dialog.
void saveSettingsDialogs(const QString& folder) {
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
}

void saveMaintenanceDialogs(const QString& folder) {
    qv::StderrMessageService messages;
    qv::CROWSMITHDoc document(messages);
    fillSample(document);
    qv::RecordMaintenanceDialog record(document, messages, QStringLiteral("SHOP.CSV"), 2);
    save(record, folder, "rowsmith-dialog-record");
    qv::FieldMaintenanceDialog field(document, messages);
    auto* fields = field.findChild<QTreeWidget*>(QStringLiteral("fieldList"));
    fields->setCurrentItem(fields->topLevelItem(1));
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

// A left click on the grid's cell, as the mouse gives it.
void clickCell(qv::CROWSMITHView& view, int row, int field) {
    const QPointF at = view.cellRect(row, field).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, view.viewport()->mapToGlobal(at),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, view.viewport()->mapToGlobal(at),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &release);
    QApplication::processEvents();
}

// The main window with the bundled shop list and a second document side by side, then a column
// chosen in the field-name bar, then a cell edited in place.
bool saveMainWindow(const QString& folder) {
    QTemporaryDir config;
    qv::StderrMessageService messages;
    qv::ProfileFile settingsFile(config.path().toStdString() + "/" + qv::kRowsmithSettingsFileName);
    qv::RowsmithSettings settings;
    settings.newOnStart = false;
    settings.makeBackup = false;
    qv::RowsmithFonts fonts;
    fonts.screenFace = "IPAゴシック";
    fonts.screenSize = 11;
    qv::QtClipboardPort clipboard;
    qv::rowsmith::CMainFrame frame(settings, fonts, settingsFile, clipboard, messages);
    frame.resize(1100, 640);
    frame.show();
    qv::rowsmith::CChildFrame* shop =
        frame.openDocument(QStringLiteral(QUORVI_SOURCE_DIR "/examples/shop.csv"));
    qv::rowsmith::CChildFrame* second = frame.newDocument();
    if (shop == nullptr || second == nullptr) return false;
    second->document().lines = {qv::toSjis(QStringLiteral("店舗,担当,電話")),
                                qv::toSjis(QStringLiteral("本店,山田,03-1234-5678")),
                                qv::toSjis(QStringLiteral("駅前店,佐藤,03-8765-4321"))};
    second->document().splitHeader();
    second->refresh();
    frame.findChild<QMdiArea*>()->tileSubWindows();
    frame.findChild<QMdiArea*>()->setActiveSubWindow(shop);
    QApplication::processEvents();
    frame.grab().save(folder + "/rowsmith-main.png");
    shop->showMaximized();
    qv::CROWSMITHView& view = shop->view();
    view.selectColumn(2);
    QApplication::processEvents();
    frame.grab().save(folder + "/rowsmith-column.png");
    view.clearColumnSelection();
    view.selectColumn(3);
    clickCell(view, 4, 2);
    frame.grab().save(folder + "/rowsmith-editing.png");
    for (qv::rowsmith::CChildFrame* child : frame.children()) child->document().setModified(false);
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    qv::screenshots::Application application(argc, argv);
    if (argc != 2) return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    saveSettingsDialogs(folder);
    saveMaintenanceDialogs(folder);
    saveLaunchDialogs(folder);
    if (!saveMainWindow(folder)) return 1;
    return 0;
}
