// The literal dialog "リテラルの配置": a modeless dialog beside the layout editor that adds,
// modifies and deletes the fixed texts of every label. The widgets only bind to LiteralForm.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "label/definition/text_macros.h"
#include "label/editor/forms/literal_form.h"
#include "platform/font_picker_dialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace qv {

class ColourPalette;

class LiteralDialog : public QDialog {
    Q_OBJECT

  public:
    // Asks for a macro code (Shift-JIS); nothing when cancelled.
    using MacroPicker = std::function<std::optional<std::string>(QWidget* parent)>;

    // The dialog edits `definition` in place; the macro picker lists the expansions at the
    // clock's timestamp with the date settings.
    LiteralDialog(LabelDefinition& definition, MessageService& messages, const MacroClock& clock,
                  DateSettings date, QWidget* parent = nullptr);

    // The program's font picker, which the font button opens; the opening window gives it.
    void setFontPicker(FontPicker picker) { fontPicker_ = std::move(picker); }
    // Replaces the macro picker dialog (for tests and scripted use).
    void setMacroPicker(MacroPicker picker) { macroPicker_ = std::move(picker); }

    const LiteralForm& form() const { return form_; }

  public slots:
    // A point clicked in the layout view, in millimetres.
    void positionPicked(int x, int y);
    // The view dragged the literal of `slot`: when it is the chosen one, its position follows.
    void literalMoved(int slot);
    // Chooses the literal of `slot` as a click into its list row would.
    void selectSlot(int slot);
    // Hiding the dialog in any way reports whether it changed the definition.
    void reject() override;

  signals:
    void listChanged();
    void literalSelected(int slot);
    void closed(bool changed);

  private:
    QWidget* buildFontGroup();
    QLayout* buildButtons();
    void chooseFont();
    void chooseMacro();
    void selectRow(int row);
    void apply(bool changed);
    void showList();
    void showState();

    LiteralForm form_;
    const MacroClock& clock_;
    DateSettings date_;
    FontPicker fontPicker_;
    MacroPicker macroPicker_;
    QListWidget* list_;
    QLineEdit* textEdit_;
    QLineEdit* xEdit_;
    QLineEdit* yEdit_;
    QLabel* faceLabel_;
    QLabel* sizeLabel_;
    QCheckBox* boldBox_;
    QCheckBox* italicBox_;
    QCheckBox* underlineBox_;
    ColourPalette* palette_;
};

}  // namespace qv
