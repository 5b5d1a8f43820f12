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

}  // namespace
}  // namespace qv
