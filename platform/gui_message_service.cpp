#include "platform/gui_message_service.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/qt_text.h"

namespace qv {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Stop:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MessageButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton boxButton(MessageAnswer answer) {
    switch (answer) {
        case MessageAnswer::Cancel:
            return QMessageBox::Cancel;
        case MessageAnswer::Yes:
            return QMessageBox::Yes;
        case MessageAnswer::No:
            return QMessageBox::No;
        case MessageAnswer::Ok:
            break;
    }
    return QMessageBox::Ok;
}

MessageAnswer answerOf(int button) {
    switch (button) {
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        default:
            return MessageAnswer::Ok;
    }
}

}  // namespace

GuiMessageService::GuiMessageService(QString programName, QWidget* parent)
    : programName_(std::move(programName)), parent_(parent) {}

MessageAnswer GuiMessageService::show(const Message& message) {
    if (message.beep) QApplication::beep();
    const QString caption = message.caption.empty() ? programName_ : fromUtf8(message.caption);
    QMessageBox box(boxIcon(message.icon), caption, fromUtf8(message.text),
                    boxButtons(message.buttons), parent_);
    box.setDefaultButton(boxButton(message.defaultAnswer));
    const int button = box.exec();
    // Closing the box without a button (Escape on a box without Cancel) takes the default.
    if (button == QMessageBox::NoButton || button == QMessageBox::Escape) {
        return message.defaultAnswer;
    }
    return answerOf(button);
}

}  // namespace qv
