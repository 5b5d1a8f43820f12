#include "common/message_service.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(RecordingMessageService, AnswersFromScriptThenDefault) {
    RecordingMessageService messages;
    messages.scriptAnswer(MessageAnswer::No);
    EXPECT_FALSE(messages.askYesNo("first"));
    EXPECT_TRUE(messages.askYesNo("second", MessageAnswer::Yes));
    EXPECT_FALSE(messages.askYesNo("third", MessageAnswer::No));
    messages.stop("stopped");
    ASSERT_EQ(messages.messages().size(), 4u);
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{"first", "second", "third", "stopped"}));
    EXPECT_EQ(messages.messages()[3].icon, MessageIcon::Stop);
    EXPECT_TRUE(messages.messages()[3].beep);
}

// The question shorthands keep the icon, buttons, sound and default of their shape.
TEST(MessageServiceShorthands, QuestionsCarryTheirShape) {
    RecordingMessageService messages;
    EXPECT_FALSE(messages.warnYesNo("lose?", MessageAnswer::No, "caption", Sound::Beep));
    EXPECT_EQ(messages.warnYesNoCancel("save?"), MessageAnswer::Yes);
    ASSERT_EQ(messages.messages().size(), 2u);
    const Message& warning = messages.messages()[0];
    EXPECT_EQ(warning.caption, "caption");
    EXPECT_EQ(warning.icon, MessageIcon::Exclamation);
    EXPECT_EQ(warning.buttons, MessageButtons::YesNo);
    EXPECT_TRUE(warning.beep);
    const Message& save = messages.messages()[1];
    EXPECT_EQ(save.icon, MessageIcon::Exclamation);
    EXPECT_EQ(save.buttons, MessageButtons::YesNoCancel);
    EXPECT_FALSE(save.beep);
}

}  // namespace
}  // namespace qv
