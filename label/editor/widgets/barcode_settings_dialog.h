// The dialog "バーコードの標準設定": the definition-wide barcode switches, the module width for
// direct bar printing and the font of the text under barcodes. The widgets only bind to
// BarcodeSettingsForm.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "common/font_picker_form.h"
#include "label/editor/forms/barcode_settings_form.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace qv {

class BarcodeSettingsDialog : public QDialog {
    Q_OBJECT

  public:
    // Asks for the font under barcodes, starting from `preset`; nothing when cancelled.
    using FontPicker = std::function<std::optional<FontChoice>(
        QWidget* parent, const FontChoice& preset, bool trueTypeOnly)>;

    // The switches change `definition` when clicked; OK stores the rest and writes `settings`, the
    // program's settings file. The caller marks the document modified.
    BarcodeSettingsDialog(LabelDefinition& definition, ProfileFile settings,
                          MessageService& messages, QWidget* parent = nullptr);

    // Without one, "FONT変更" opens the program's font picker.
    void setFontPicker(FontPicker picker) { fontPicker_ = std::move(picker); }

    const BarcodeSettingsForm& form() const { return form_; }

  public slots:
    void accept() override;

  private:
    QCheckBox* addSwitch(const char* text, const char* name, void (BarcodeSettingsForm::*flip)());
    QWidget* buildFontGroup();
    void chooseFont();
    void showState();

    BarcodeSettingsForm form_;
    FontPicker fontPicker_;
    QCheckBox* shortJanBox_;
    QCheckBox* checkCharacterBox_;
    QCheckBox* startStopBox_;
    QCheckBox* directBox_;
    QLineEdit* moduleWidthEdit_;
    QLabel* fontLabel_;
    QCheckBox* boldBox_;
};

}  // namespace qv
