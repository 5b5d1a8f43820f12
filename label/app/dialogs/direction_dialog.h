// "ラベル印刷方向": the order in which the labels of a page are filled.
#pragma once

#include <QDialog>

class QRadioButton;

namespace qv {

class DirectionDialog : public QDialog {
    Q_OBJECT

  public:
    // `printDirection`: 0 = N order ("縦(N)方向"), 1 = Z order ("横(Z)方向").
    explicit DirectionDialog(int printDirection, QWidget* parent = nullptr);

    int printDirection() const;

    QRadioButton* nOrderButton() const { return nOrder_; }
    QRadioButton* zOrderButton() const { return zOrder_; }

  private:
    QRadioButton* nOrder_;
    QRadioButton* zOrder_;
};

// Runs the dialog; on OK stores the chosen order and gives true, on Cancel leaves it.
bool editPrintDirection(QWidget* parent, int& printDirection);

}  // namespace qv
