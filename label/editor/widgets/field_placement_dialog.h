// The modeless dialog "フィールドの配置": places the data file fields on the label together with
// the layout view. The widgets only bind to FieldPlacementForm, which holds the rules; the view
// listens to the signals and sends the positions the user clicks or drags.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "label/editor/forms/field_placement_form.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace qv {

class ColourPalette;

class FieldPlacementDialog : public QDialog {
    Q_OBJECT

  public:
    // "バーコード種選択" for field `fieldIndex`; true when the user changed the kind.
    using BarcodeKindHook = std::function<bool(QWidget* parent, LabelDefinition& definition,
                                               int fieldIndex, int& pendingLayoutFlags)>;
    // The font picker under `caption`, preset with `current`; nothing when cancelled.
    using FontPicker = std::function<std::optional<FontChoice>(
        QWidget* parent, const QString& caption, const FontChoice& current)>;

    FieldPlacementDialog(LabelDefinition& definition, MessageService& messages,
                         QWidget* parent = nullptr);

    // Without a kind hook "ﾊﾞｰｺｰﾄﾞ" changes nothing.
    void setBarcodeKindHook(BarcodeKindHook hook) { kindHook_ = std::move(hook); }
    // The program's font picker, which the font button opens; the opening window gives it.
    void setFontPicker(FontPicker picker) { fontPicker_ = std::move(picker); }

    const FieldPlacementForm& form() const { return form_; }

  signals:
    void entryChanged();  // the pending field changed: the view redraws it
    void entryStored();   // the definition changed: the view redraws and marks the document
    void closed(QRect frame);

  public slots:
    // A position clicked in the view; a dragged rectangle also gives its size.
    void positionPicked(int xMm, int yMm, int widthMm, int heightMm);
    // Chooses field `fieldIndex` (of the definition) as a click into its list row would.
    void selectField(int fieldIndex);
    // The view dragged field `fieldIndex`: the chosen field takes its new position.
    void fieldMoved(int fieldIndex);
    void done(int result) override;

  private:
    QWidget* buildKindGroup();
    QWidget* buildFontGroup();
    QWidget* buildAlignmentGroup();
    QWidget* buildSizeGroup();
    QWidget* buildButtons();
    void fillList();
    void report(PlacementNotice notice);
    void chooseBarcode();
    void changeFont();
    void showState();
    void showSelection();

    LabelDefinition& definition_;
    FieldPlacementForm form_;
    BarcodeKindHook kindHook_;
    FontPicker fontPicker_;
    bool showing_ = false;  // the widgets are being set from the form, not by the user
    QListWidget* list_;
    QButtonGroup* kindGroup_;
    QLabel* fontLabel_;
    QLabel* sizeLabel_;
    QCheckBox* boldBox_;
    QCheckBox* italicBox_;
    QCheckBox* underlineBox_;
    QButtonGroup* alignmentGroup_;
    QCheckBox* verticalBox_;
    QSpinBox* xBox_;
    QSpinBox* yBox_;
    QSpinBox* widthBox_;
    QSpinBox* heightBox_;
    ColourPalette* palette_;
    QPushButton* fontButton_;
    QPushButton* confirmButton_;
    QPushButton* removeButton_;
};

}  // namespace qv
