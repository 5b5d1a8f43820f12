// The ruled-line dialog "罫線の配置": a modeless dialog beside the layout editor that lists the
// 30 ruled-line slots and adds, modifies and deletes lines. The widgets only bind to
// RuledLineForm.
#pragma once

#include <QDialog>

#include "label/editor/forms/ruled_line_form.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace qv {

class RuledLineDialog : public QDialog {
    Q_OBJECT

  public:
    // The dialog edits `definition` in place.
    RuledLineDialog(LabelDefinition& definition, MessageService& messages,
                    QWidget* parent = nullptr);

    const RuledLineForm& form() const { return form_; }

  public slots:
    // The layout view drew a line into `slot`.
    void lineDrawn(int slot);
    // Hiding the dialog in any way reports whether it changed the definition.
    void reject() override;

  signals:
    void listChanged();
    void closed(bool changed);

  private:
    QLayout* buildEdits();
    QLayout* buildButtons();
    QLineEdit* numberEdit(const char* name, void (RuledLineForm::*setter)(std::optional<int>));
    void apply(bool changed);
    void showList();
    void showValues();
    void showEnabled();

    RuledLineForm form_;
    QListWidget* list_;
    QLineEdit* startXEdit_;
    QLineEdit* startYEdit_;
    QLineEdit* endXEdit_;
    QLineEdit* endYEdit_;
    QPushButton* addButton_;
    QPushButton* modifyButton_;
    QPushButton* deleteButton_;
};

}  // namespace qv
