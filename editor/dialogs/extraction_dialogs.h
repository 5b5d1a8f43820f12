// The two extraction dialogs: "連番指定の抽出" (a range of record numbers) and
// "ﾌｨｰﾙﾄﾞによる抽出" (a range of a field's leading characters). Each "開始" appends to the
// buffer, which opening the dialog empties; "終了" accepts, Escape rejects.
#pragma once

#include <QDialog>

#include "common/message_service.h"
#include "editor/model/extraction.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace qv {

class SerialExtractionDialog : public QDialog {
    Q_OBJECT

  public:
    SerialExtractionDialog(const CROWSMITHDoc& source, ExtractionBuffer& buffer,
                           MessageService& messages, QWidget* parent = nullptr);

  public slots:
    void run();  // "開始"

  private:
    const CROWSMITHDoc& source_;
    ExtractionBuffer& buffer_;
    MessageService& messages_;
    QLineEdit* fromEdit_;
    QLineEdit* toEdit_;
    QLabel* count_;
};

class FieldExtractionDialog : public QDialog {
    Q_OBJECT

  public:
    FieldExtractionDialog(const CROWSMITHDoc& source, ExtractionBuffer& buffer,
                          MessageService& messages, QWidget* parent = nullptr);

  public slots:
    void run();  // "開始"

  private:
    const CROWSMITHDoc& source_;
    ExtractionBuffer& buffer_;
    MessageService& messages_;
    QListWidget* fields_;
    QLineEdit* fieldEdit_;
    QLineEdit* fromEdit_;
    QLineEdit* toEdit_;
    QLabel* count_;
};

}  // namespace qv
