#include "common/message_service.h"

#include <cstdio>

namespace qv {

void MessageService::exclamation(const std::string& text, const std::string& caption) {
    show({text, caption, MessageIcon::Exclamation, MessageButtons::Ok, true, MessageAnswer::Ok});
}

void MessageService::stop(const std::string& text, const std::string& caption) {
    show({text, caption, MessageIcon::Stop, MessageButtons::Ok, true, MessageAnswer::Ok});
}

void MessageService::information(const std::string& text, const std::string& caption, Sound sound) {
    show({text, caption, MessageIcon::Information, MessageButtons::Ok, sound == Sound::Beep,
          MessageAnswer::Ok});
}

bool MessageService::askYesNo(const std::string& text, MessageAnswer defaultAnswer,
                              const std::string& caption, Sound sound) {
    return show({text, caption, MessageIcon::Question, MessageButtons::YesNo, sound == Sound::Beep,
                 defaultAnswer}) == MessageAnswer::Yes;
}

bool MessageService::warnYesNo(const std::string& text, MessageAnswer defaultAnswer,
                               const std::string& caption, Sound sound) {
    return show({text, caption, MessageIcon::Exclamation, MessageButtons::YesNo,
                 sound == Sound::Beep, defaultAnswer}) == MessageAnswer::Yes;
}

MessageAnswer MessageService::warnYesNoCancel(const std::string& text, MessageAnswer defaultAnswer,
                                              const std::string& caption) {
    return show({text, caption, MessageIcon::Exclamation, MessageButtons::YesNoCancel, false,
                 defaultAnswer});
}

MessageAnswer StderrMessageService::show(const Message& message) {
    if (message.caption.empty()) {
        std::fprintf(stderr, "%s\n", message.text.c_str());
    } else {
        std::fprintf(stderr, "%s: %s\n", message.caption.c_str(), message.text.c_str());
    }
    std::fflush(stderr);
    return message.defaultAnswer;
}

MessageAnswer RecordingMessageService::show(const Message& message) {
    messages_.push_back(message);
    if (script_.empty()) return message.defaultAnswer;
    const MessageAnswer answer = script_.front();
    script_.pop_front();
    return answer;
}

std::vector<std::string> RecordingMessageService::texts() const {
    std::vector<std::string> out;
    out.reserve(messages_.size());
    for (const Message& message : messages_) out.push_back(message.text);
    return out;
}

}  // namespace qv
