// The macro picker "定数のマクロ": the thirteen literal macro codes, each listed as what it shows
// at the given timestamp. OK hands the chosen code to the literal dialog.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "label/definition/text_macros.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace qv {

class MacroPickerDialog : public QDialog {
    Q_OBJECT

  public:
    MacroPickerDialog(const MacroTimestamp& timestamp, const DateSettings& date,
                      QWidget* parent = nullptr);

    // The code of the selected entry; empty when none is selected.
    std::string chosenCode() const;

  private:
    void showSelection(int row);

    std::vector<MacroPickerEntry> entries_;
    QListWidget* list_;
    QLabel* detail_;
    QPushButton* okButton_;
};

}  // namespace qv
