// The font dialog "選択されているフォント": the screen and print fonts of the data editor and the
// font picker's filters. OK hands back the new fonts; the caller writes them and redraws.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "common/font_picker_form.h"
#include "editor/model/rowsmith_fonts.h"

class QCheckBox;
class QLabel;

namespace qv {

class FontSettingsDialog : public QDialog {
    Q_OBJECT

  public:
    // Asks for a font starting from `current` (face in Shift-JIS), offering the faces that pass
    // the filters; nothing when cancelled.
    using FontPicker = std::function<std::optional<FontChoice>(
        QWidget* parent, const QString& caption, const FontChoice& current, bool trueTypeOnly,
        bool japaneseOnly)>;

    explicit FontSettingsDialog(const RowsmithFonts& fonts, QWidget* parent = nullptr);

    // Replaces the program's font picker (pickFont), e.g. in tests.
    void setFontPicker(FontPicker picker) { fontPicker_ = std::move(picker); }

    // The fonts and filters as the dialog shows them now.
    const RowsmithFonts& fonts() const { return fonts_; }
    // The fonts taken by OK; nothing after Cancel or while the dialog is open.
    const std::optional<RowsmithFonts>& result() const { return result_; }

  public slots:
    void accept() override;

  private:
    QWidget* buildFontGroup(const QString& title, const char* name, QLabel*& face, QLabel*& size);
    // Opens the picker for the screen font (`screen`) or the print font.
    void choose(bool screen);
    void showState();

    RowsmithFonts fonts_;
    std::optional<RowsmithFonts> result_;
    FontPicker fontPicker_;
    QLabel* screenFace_ = nullptr;
    QLabel* screenSize_ = nullptr;
    QLabel* printFace_ = nullptr;
    QLabel* printSize_ = nullptr;
    QCheckBox* trueTypeBox_;
    QCheckBox* japaneseBox_;
};

// Runs the dialog on `current`; the new fonts after OK, nothing after Cancel.
std::optional<RowsmithFonts> askRowsmithFonts(QWidget* parent, const RowsmithFonts& current);

}  // namespace qv
