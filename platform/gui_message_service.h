// The desktop form of the message service: the warning sound, then a modal message box.
#pragma once

#include <QString>

#include "common/message_service.h"

class QWidget;

namespace qv {

class GuiMessageService : public MessageService {
  public:
    // `programName` captions messages that bring no caption of their own.
    explicit GuiMessageService(QString programName, QWidget* parent = nullptr);

    MessageAnswer show(const Message& message) override;
    void setParent(QWidget* parent) { parent_ = parent; }

  private:
    QString programName_;
    QWidget* parent_;
};

}  // namespace qv
