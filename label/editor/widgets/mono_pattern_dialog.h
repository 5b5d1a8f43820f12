// The mono-pattern page dialog "モノパターンページ作成": a modeless dialog beside the label view
// that chooses the record printed on every label of a CSZ run, with a live barcode preview of
// the value typed last, and "フィールド編集" for the other values of that record. The widgets
// only bind to MonoPatternForm.
#pragma once

#include <QDialog>
#include <QFrame>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "label/editor/forms/mono_pattern_form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimer;
class QToolButton;

namespace qv {

// The preview box: a sunken white frame with the form's barcode drawn in 0.1 mm units.
class MonoPatternPreviewBox : public QFrame {
    Q_OBJECT

  public:
    MonoPatternPreviewBox(const MonoPatternForm& form, BarcodeTextFont textFont,
                          QWidget* parent = nullptr);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const MonoPatternForm& form_;
    BarcodeTextFont textFont_;
};

// "フィールド編集": up to twelve names, each with an edit holding its value.
class FieldEditDialog : public QDialog {
    Q_OBJECT

  public:
    explicit FieldEditDialog(const std::vector<MonoPatternEditField>& fields,
                             QWidget* parent = nullptr);

    // The values of the edits, Shift-JIS, in field order.
    std::vector<std::string> values() const;

  private:
    std::vector<QLineEdit*> edits_;
};

class MonoPatternDialog : public QDialog {
    Q_OBJECT

  public:
    MonoPatternDialog(const LabelDefinition& definition, const CszContent& csz,
                      MessageService& messages, BarcodeTextFont textFont,
                      QWidget* parent = nullptr);

    const MonoPatternForm& form() const { return form_; }

    // Replaces "フィールド編集" run modally (for tests and scripted use): given the fields, it
    // gives the edited values, or nothing when cancelled.
    using FieldEditor = std::function<std::optional<std::vector<std::string>>(
        QWidget* parent, const std::vector<MonoPatternEditField>& fields)>;
    void setFieldEditor(FieldEditor editor) { fieldEditor_ = std::move(editor); }

  public slots:
    void reject() override;

  signals:
    // The list to print on every page and the number of copies; `preview` asks for the print
    // preview instead of printing.
    void printRequested(const qv::MonoPatternPrint& print, bool preview);
    void closed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLayout* buildInputs();
    QLayout* buildBottomRow();
    void inputEdited(int k, const QString& text);
    void showPreviewState();
    void openingTimeout();
    void copyPreview();
    void editFields();
    void startPrinting(bool preview);
    QWidget* focusTarget(MonoPatternFocus focus) const;

    MonoPatternForm form_;
    MessageService& messages_;
    FieldEditor fieldEditor_;
    std::array<QLabel*, kMonoPatternInputs> labels_{};
    std::array<QLineEdit*, kMonoPatternInputs> edits_{};
    QComboBox* recordList_;
    MonoPatternPreviewBox* previewBox_;
    QPushButton* copyButton_;
    QPushButton* fieldEditButton_;
    QSpinBox* copiesBox_;
    QPushButton* printButton_;
    QToolButton* previewButton_;
    QTimer* openingTimer_;
};

}  // namespace qv
