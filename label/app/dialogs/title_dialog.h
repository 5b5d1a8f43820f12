// The title dialog "タイトルの設定": title text, font, position in the band above the labels,
// colour and the footer switches. The widgets only bind to TitleForm, which holds the rules.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "label/print/title_form.h"
#include "platform/font_picker_dialog.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace qv {

class ColourPalette;

class TitleDialog : public QDialog {
    Q_OBJECT

  public:
    // OK stores the values into `definition`; the caller marks the document modified.
    explicit TitleDialog(LabelDefinition& definition, QWidget* parent = nullptr);

    // The program's font picker, which the font button opens; the opening window gives it.
    void setFontPicker(FontPicker picker) { fontPicker_ = std::move(picker); }

    const TitleForm& form() const { return form_; }

  public slots:
    void accept() override;

  private:
    QWidget* buildPositionGroup();
    QWidget* buildFooterGroup();
    void chooseFont();
    void showState();

    LabelDefinition& definition_;
    TitleForm form_;
    FontPicker fontPicker_;
    QLineEdit* textEdit_;
    QButtonGroup* horizontalGroup_;
    QButtonGroup* verticalGroup_;
    ColourPalette* palette_;
    QCheckBox* pageNumberBox_;
    QCheckBox* dateBox_;
};

}  // namespace qv
