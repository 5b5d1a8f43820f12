// The bitmap dialog "ビットマップの設定": a modeless dialog beside the layout editor that chooses
// the label's two bitmap files and their rectangles, with a preview; clicking the preview opens
// "ビットマップの情報". The widgets only bind to BitmapForm.
#pragma once

#include <QDialog>
#include <QImage>
#include <functional>
#include <string>

#include "label/editor/forms/bitmap_form.h"

class QButtonGroup;
class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace qv {

// "ビットマップの情報": file name, colours, width and height of the previewed bitmap.
class BitmapInfoDialog : public QDialog {
    Q_OBJECT

  public:
    explicit BitmapInfoDialog(const BitmapInfoTexts& texts, QWidget* parent = nullptr);
};

class BitmapDialog : public QDialog {
    Q_OBJECT

  public:
    // Asks for a bitmap file starting in `folder`; an empty text when cancelled.
    using FileChooser = std::function<QString(QWidget* parent, const QString& folder)>;
    // Shows the info of the previewed bitmap.
    using InfoViewer = std::function<void(QWidget* parent, const BitmapInfoTexts& texts)>;

    // The dialog edits `definition` in place; `definitionFolder` resolves relative bitmap paths
    // and `fitToFrame` is the saved "Bitmap Strch".
    BitmapDialog(LabelDefinition& definition, std::string definitionFolder,
                 MessageService& messages, bool fitToFrame, QWidget* parent = nullptr);

    // The preview mode to save as "Bitmap Strch".
    bool fitToFrame() const { return form_.fitToFrame(); }
    const BitmapForm& form() const { return form_; }
    // The folder "参照" starts in next.
    const QString& lastFolder() const { return lastFolder_; }

    // Replace the file dialog and the info dialog (for tests and scripted use).
    void setFileChooser(FileChooser chooser) { fileChooser_ = std::move(chooser); }
    void setInfoViewer(InfoViewer viewer) { infoViewer_ = std::move(viewer); }

  public slots:
    // A rectangle drawn in the layout editor becomes the current area's rectangle.
    void takeRubberRectangle(const qv::LogicalRect& tenthsOfMm);
    // Shows area `slot` (0 or 1), as choosing its radio button does.
    void showArea(int slot);
    void reject() override;

  signals:
    // An area was stored or deleted: the bitmaps are to be reloaded and the views redrawn.
    void areasChanged();
    void statusMessage(const QString& text);
    void closed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLayout* buildAreaChoice();
    QLayout* buildPath();
    QLayout* buildPosition();
    QLayout* buildPreviewAndButtons();
    QLabel* positionText(const char* name, BitmapValue which);
    void browse();
    void store();
    void remove();
    void fitClicked(bool on);
    void startEditing(BitmapValue which);
    void finishEditing(bool commit);
    void showInfo();
    void loadImage();
    void showPath();
    void showValues();
    void showPreview();
    void showState();

    BitmapForm form_;
    FileChooser fileChooser_;
    InfoViewer infoViewer_;
    QString lastFolder_;
    QImage image_;
    QButtonGroup* areaGroup_ = nullptr;
    QLineEdit* pathEdit_ = nullptr;
    QLabel* valueTexts_[4] = {};
    QDoubleSpinBox* positionEditor_ = nullptr;
    int editing_ = -1;  // the BitmapValue being edited, -1 when none
    QPushButton* storeButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QCheckBox* fitCheck_ = nullptr;
    QScrollArea* preview_ = nullptr;
    QLabel* previewImage_ = nullptr;
};

}  // namespace qv
