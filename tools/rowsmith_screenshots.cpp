// Saves a picture of each of the data editor's dialogs into the folder given:
// `rowsmith_screenshots docs/screenshots` (under Xvfb, as dialog_screenshots).
#include <QApplication>
#include <QDialog>

#include "editor/dialogs/about_dialog.h"
#include "editor/dialogs/association_dialog.h"
#include "editor/dialogs/explanation_dialog.h"
#include "editor/dialogs/extraction_dialogs.h"
#include "editor/dialogs/extraction_method_dialog.h"
#include "editor/dialogs/font_settings_dialog.h"
#include "editor/dialogs/label_program_path_dialog.h"
#include "editor/dialogs/launch_dialog.h"

namespace {

void save(QDialog& dialog, const QString& folder, const QString& name) {
    dialog.show();
    QApplication::processEvents();
    dialog.grab().save(folder + "/" + name + ".png");
    dialog.close();
}

// The extraction, association, launch and label program path dialogs over a small shop file.
void saveLaunchDialogs(const QString& folder) {
    qv::StderrMessageService messages;
    qv::CROWSMITHDoc document(messages);
    document.lines = {"CODE,NAME,PRICE", "4901234567894,りんご,120"};
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
    saveLaunchDialogs(folder);
    return 0;
}
