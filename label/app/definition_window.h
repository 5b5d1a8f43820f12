// The label program's window: for now it shows the definition listing of the open document.
#pragma once

#include <QMainWindow>

#include "label/definition/quorvi_doc.h"

class QPlainTextEdit;

namespace qv {

class DefinitionWindow : public QMainWindow {
    Q_OBJECT

  public:
    DefinitionWindow(CQuorviDoc& document, QWidget* parent = nullptr);

    // Shows the document's current definition and name.
    void refresh();

  private:
    void openDefinition();

    CQuorviDoc& document_;
    QPlainTextEdit* listing_;
};

}  // namespace qv
