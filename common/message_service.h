// The one way the programs tell the user something and get an answer back.
//
// Core and dialog logic never open a message box themselves: they hand a Message to the service.
// The desktop implementation shows a message box after the warning sound, the command-line one
// writes to stderr and takes the default answer, and the test one records every message and
// answers from a script. Texts are UTF-8.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace qv {

enum class MessageIcon { None, Information, Exclamation, Stop, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };
enum class Sound { Silent, Beep };  // the warning sound before the box

struct Message {
    std::string text;
    std::string caption;  // empty: the program's name
    MessageIcon icon = MessageIcon::Exclamation;
    MessageButtons buttons = MessageButtons::Ok;
    bool beep = false;  // the warning sound before the box
    MessageAnswer defaultAnswer = MessageAnswer::Ok;
};

class MessageService {
  public:
    virtual ~MessageService() = default;
    virtual MessageAnswer show(const Message& message) = 0;

    // Shorthands for the common shapes. Exclamation and stop always sound.
    void exclamation(const std::string& text, const std::string& caption = {});
    void stop(const std::string& text, const std::string& caption = {});
    void information(const std::string& text, const std::string& caption = {},
                     Sound sound = Sound::Silent);
    // Yes and No; true for Yes. askYesNo shows the question icon, warnYesNo the exclamation
    // icon of a question whose Yes loses or overwrites something.
    bool askYesNo(const std::string& text, MessageAnswer defaultAnswer = MessageAnswer::Yes,
                  const std::string& caption = {}, Sound sound = Sound::Silent);
    bool warnYesNo(const std::string& text, MessageAnswer defaultAnswer,
                   const std::string& caption = {}, Sound sound = Sound::Silent);
    // Yes, No and Cancel under the exclamation icon, as the save question before a close.
    MessageAnswer warnYesNoCancel(const std::string& text,
                                  MessageAnswer defaultAnswer = MessageAnswer::Yes,
                                  const std::string& caption = {});
};

// Writes "caption: text" (or the text alone) as one line to stderr and answers the default.
class StderrMessageService : public MessageService {
  public:
    MessageAnswer show(const Message& message) override;
};

// Keeps every message and answers from a script; when the script is used up it answers the
// message's default.
class RecordingMessageService : public MessageService {
  public:
    MessageAnswer show(const Message& message) override;

    void scriptAnswer(MessageAnswer answer) { script_.push_back(answer); }
    const std::vector<Message>& messages() const { return messages_; }
    std::vector<std::string> texts() const;
    void clear() { messages_.clear(); }

  private:
    std::vector<Message> messages_;
    std::deque<MessageAnswer> script_;
};

}  // namespace qv
