// "自由用紙のｻｲｽﾞ": the width and height of the free paper size, in whole millimetres.
#pragma once

#include <QDialog>

#include "label/definition/paper_table.h"

class QLineEdit;

namespace qv {

class FreeSizeDialog : public QDialog {
    Q_OBJECT

  public:
    explicit FreeSizeDialog(PaperSize current, QWidget* parent = nullptr);

    // The size in the edits; an empty edit counts as 0.
    PaperSize size() const;

    QLineEdit* heightEdit() const { return heightEdit_; }
    QLineEdit* widthEdit() const { return widthEdit_; }

  private:
    QLineEdit* heightEdit_;
    QLineEdit* widthEdit_;
};

// Runs the dialog and gives the size it was closed with ("終了" is its only way out, so the
// entered values always count).
PaperSize askFreeSize(QWidget* parent, PaperSize current);

}  // namespace qv
