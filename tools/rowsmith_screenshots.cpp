// Saves a picture of each of the data editor's dialogs into the folder given:
// `rowsmith_screenshots docs/screenshots` (under Xvfb, as dialog_screenshots).
#include <QApplication>
#include <QDialog>

#include "editor/dialogs/about_dialog.h"
#include "editor/dialogs/explanation_dialog.h"
#include "editor/dialogs/font_settings_dialog.h"

namespace {

void save(QDialog& dialog, const QString& folder, const QString& name) {
    dialog.show();
    QApplication::processEvents();
    dialog.grab().save(folder + "/" + name + ".png");
    dialog.close();
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
    return 0;
}
