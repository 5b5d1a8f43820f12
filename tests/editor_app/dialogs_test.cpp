// The data editor's font dialog, the explanation texts and the About box.
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/sjis_text.h"
#include "editor/dialogs/about_dialog.h"
#include "editor/dialogs/explanation_dialog.h"
#include "editor/dialogs/font_settings_dialog.h"
#include "editor/dialogs/screen_font.h"
#include "tests/label_app/widget_test_support.h"

namespace qv {
namespace {

using test::child;
using test::click;

// What the dialog asked a replaced picker.
struct PickerCall {
    QString caption;
    std::string face;  // Shift-JIS
    int pointSize = 0;
    bool trueTypeOnly = false;
    bool japaneseOnly = false;
};

class FontSettingsDialogTest : public ::testing::Test {
  protected:
    FontSettingsDialogTest() {
        dialog.setFontPicker([this](QWidget*, const QString& caption, const FontChoice& current,
                                    bool trueTypeOnly, bool japaneseOnly) {
            calls.push_back({caption, current.face, current.pointSize, trueTypeOnly, japaneseOnly});
            return answer;
        });
    }
    QString shown(const char* name) { return child<QLabel>(dialog, name)->text(); }

    FontSettingsDialog dialog{RowsmithFonts{}};
    std::vector<PickerCall> calls;
    std::optional<FontChoice> answer;
};

TEST_F(FontSettingsDialogTest, ShowsTheLoadedFontsAndFilters) {
    RowsmithFonts fonts;
    fonts.screenFace = "IPAゴシック";
    fonts.screenSize = 9;
    fonts.japaneseOnly = true;
    FontSettingsDialog loaded(fonts);
    EXPECT_EQ(loaded.windowTitle(), QStringLiteral("選択されているフォント"));
    EXPECT_EQ(child<QLabel>(loaded, "faceScreen")->text(), QStringLiteral("IPAゴシック"));
    EXPECT_EQ(child<QLabel>(loaded, "sizeScreen")->text(), QStringLiteral("9"));
    EXPECT_EQ(child<QLabel>(loaded, "facePrint")->text(), QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(child<QLabel>(loaded, "sizePrint")->text(), QStringLiteral("12"));
    EXPECT_FALSE(child<QCheckBox>(loaded, "trueTypeOnly")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(loaded, "japaneseOnly")->isChecked());
}

TEST_F(FontSettingsDialogTest, ScreenPickerTakesOnlyFaceAndSizeUnderTheTickedFilters) {
    dialog.show();
    click(child<QCheckBox>(dialog, "japaneseOnly"));
    answer = FontChoice{sjis::fromUtf8("IPAゴシック"), 16, true, true, true};
    click(child<QPushButton>(dialog, "chooseScreen"));

    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].caption, QStringLiteral("画面用のフォント選択"));
    EXPECT_EQ(calls[0].face, "System");
    EXPECT_EQ(calls[0].pointSize, 12);
    EXPECT_FALSE(calls[0].trueTypeOnly);
    EXPECT_TRUE(calls[0].japaneseOnly);
    EXPECT_EQ(shown("faceScreen"), QStringLiteral("IPAゴシック"));
    EXPECT_EQ(shown("sizeScreen"), QStringLiteral("16"));
    EXPECT_EQ(shown("facePrint"), QStringLiteral("ＭＳ 明朝"));  // the other font stays
}

TEST_F(FontSettingsDialogTest, PrintPickerStartsFromThePrintFontInShiftJis) {
    answer = FontChoice{"Liberation Serif", 10};
    click(child<QPushButton>(dialog, "choosePrint"));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].caption, QStringLiteral("印刷用のフォントの選択"));
    EXPECT_EQ(calls[0].face, "\x82\x6c\x82\x72 \x96\xbe\x92\xa9");  // ＭＳ 明朝 in CP932
    EXPECT_EQ(shown("facePrint"), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(shown("sizePrint"), QStringLiteral("10"));
    EXPECT_EQ(shown("faceScreen"), QStringLiteral("System"));
}

TEST_F(FontSettingsDialogTest, CancelledOrEmptyPickerAnswersChangeNothing) {
    answer = std::nullopt;
    click(child<QPushButton>(dialog, "chooseScreen"));
    answer = FontChoice{"", 14};
    click(child<QPushButton>(dialog, "choosePrint"));
    answer = FontChoice{"Liberation Sans", 0};
    click(child<QPushButton>(dialog, "choosePrint"));
    EXPECT_EQ(calls.size(), 3u);
    EXPECT_EQ(dialog.fonts(), RowsmithFonts{});
}

TEST_F(FontSettingsDialogTest, OkGivesBothFontsAndBothFilters) {
    EXPECT_FALSE(dialog.result().has_value());  // nothing while open
    answer = FontChoice{"IPAMincho", 11};
    click(child<QPushButton>(dialog, "choosePrint"));
    answer = FontChoice{"Liberation Mono", 14};
    click(child<QPushButton>(dialog, "chooseScreen"));
    child<QCheckBox>(dialog, "trueTypeOnly")->setChecked(true);
    child<QCheckBox>(dialog, "japaneseOnly")->setChecked(true);
    dialog.accept();

    ASSERT_TRUE(dialog.result().has_value());
    const RowsmithFonts& fonts = *dialog.result();
    EXPECT_EQ(fonts.printFace, "IPAMincho");
    EXPECT_EQ(fonts.printSize, 11);
    EXPECT_EQ(fonts.screenFace, "Liberation Mono");
    EXPECT_EQ(fonts.screenSize, 14);
    EXPECT_TRUE(fonts.trueTypeOnly);
    EXPECT_TRUE(fonts.japaneseOnly);
}

TEST_F(FontSettingsDialogTest, CancelGivesNothingAfterChoices) {
    answer = FontChoice{"IPAMincho", 11};
    click(child<QPushButton>(dialog, "chooseScreen"));
    dialog.reject();
    EXPECT_FALSE(dialog.result().has_value());
}

TEST(ScreenFontTest, PixelSizeIsPointsAtTheScreenResolution) {
    EXPECT_EQ(screenFont("System", 12, 96).pixelSize(), 16);   // 12 x 96 / 72
    EXPECT_EQ(screenFont("System", 10, 96).pixelSize(), 13);   // 13.33 rounded
    EXPECT_EQ(screenFont("System", 12, 120).pixelSize(), 20);  // 12 x 120 / 72
}

TEST(ScreenFontTest, SystemIsTheDesktopFontAndStoredFacesMapToInstalledOnes) {
    EXPECT_EQ(screenFont("System", 12, 96).family(), QFontInfo(QApplication::font()).family());
    EXPECT_EQ(screenFont("ＭＳ 明朝", 12, 96).family(), QStringLiteral("IPAMincho"));
    RowsmithFonts fonts;
    fonts.screenFace = "Liberation Mono";
    fonts.screenSize = 9;
    EXPECT_EQ(screenFont(fonts, 96).family(), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(screenFont(fonts, 96).pixelSize(), 12);
}

// Phrases each text must hold: the buttons and boxes of the dialogs it explains.
struct ExplanationCase {
    int number;
    std::vector<const char*> phrases;
};

TEST(ExplanationTextTest, EachTextExplainsItsOwnDialogs) {
    const std::vector<ExplanationCase> cases = {
        {kBarcodeFieldExplanation,
         {"JAN", "ITF", "CODE 39", "NW7", "付加", "SSｺｰﾄﾞを取る", "ﾁｪｯｸｷｬﾗｸﾀも計算", "全角"}},
        {kExtractionExplanation, {"From:", "To:", "終了", "前方一致", "新しいウィンドウ"}},
        {kLabelProgramExplanation,
         {"quorvi32", "ｺﾏﾝﾄﾞ名", "Launch", "確認ﾒｯｾｰｼﾞ", "ﾌｧｲﾙの引数起動時印刷",
          "rowsmith と同じフォルダー"}},
    };
    for (const ExplanationCase& c : cases) {
        const QString text = explanationText(c.number);
        ASSERT_FALSE(text.trimmed().isEmpty()) << c.number;
        for (const char* phrase : c.phrases)
            EXPECT_TRUE(text.contains(QString::fromUtf8(phrase))) << c.number << " " << phrase;
        EXPECT_FALSE(text.contains(QLatin1String(".EXE"), Qt::CaseInsensitive)) << c.number;
    }
    EXPECT_TRUE(explanationText(kBarcodeFieldExplanation).trimmed().endsWith(QLatin1String("END")));
}

TEST(ExplanationTextTest, NumbersWithoutATextGiveNothing) {
    EXPECT_TRUE(explanationText(0).isEmpty());
    EXPECT_TRUE(explanationText(4).isEmpty());
    ExplanationDialog dialog(4, QStringLiteral("抽出方法"));
    EXPECT_EQ(dialog.text(), QStringLiteral("説明 4 はありません。"));
}

TEST(ExplanationDialogTest, ShowsTheTextReadOnlyUnderTheCallersTitle) {
    ExplanationDialog dialog(kExtractionExplanation, QStringLiteral("連番指定の抽出"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("説明(連番指定の抽出)"));
    EXPECT_EQ(dialog.text(), explanationText(kExtractionExplanation));
    EXPECT_TRUE(child<QPlainTextEdit>(dialog, "text")->isReadOnly());
}

TEST(ExplanationDialogTest, HelpOverADialogTakesThatDialogsTitle) {
    QDialog caller;
    caller.setWindowTitle(QStringLiteral("ﾊﾞｰｺｰﾄﾞﾌｨｰﾙﾄﾞのﾒﾝﾃ"));
    QString seenTitle;
    QString seenText;
    QTimer::singleShot(0, [&] {
        auto* shown = qobject_cast<ExplanationDialog*>(QApplication::activeModalWidget());
        if (shown == nullptr) return;
        seenTitle = shown->windowTitle();
        seenText = shown->text();
        shown->accept();
    });
    showExplanation(&caller, kBarcodeFieldExplanation);
    EXPECT_EQ(seenTitle, QStringLiteral("説明(ﾊﾞｰｺｰﾄﾞﾌｨｰﾙﾄﾞのﾒﾝﾃ)"));
    EXPECT_EQ(seenText, explanationText(kBarcodeFieldExplanation));
}

TEST(AboutDialogTest, NamesProgramVersionCopyrightAndQt) {
    AboutDialog about(QStringLiteral("1.2.3"));
    EXPECT_EQ(child<QLabel>(about, "name")->text(), QStringLiteral("Rowsmith32"));
    EXPECT_TRUE(child<QLabel>(about, "version")->text().contains(QLatin1String("1.2.3")));
    EXPECT_TRUE(child<QLabel>(about, "copyright")->text().startsWith(QLatin1String("Copyright")));
    EXPECT_TRUE(child<QLabel>(about, "qt")->text().contains(QString::fromLatin1(qVersion())));
    EXPECT_FALSE(child<QLabel>(about, "description")->text().isEmpty());
}

}  // namespace
}  // namespace qv
