#include "common/profile_file.h"

#include "common/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "tests/support/scoped_environment.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

class ProfileFileTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_FALSE(folder_.empty()); }
    void TearDown() override { ::chmod(folder_.c_str(), 0755); }  // so the folder can go

    std::string put(const std::string& bytes) {
        std::string path = folder_ + "/TEST.INI";
        EXPECT_TRUE(writeFileAtomically(path, bytes));
        return path;
    }
    std::string contents() const {
        std::string bytes;
        readWholeFile(folder_ + "/TEST.INI", bytes, kLargestSettingsFile);
        return bytes;
    }

    test::TempFolder temp_;
    std::string folder_ = temp_.path();
};

// Nasty lines of a settings file, one per case below.
const char* const kSample[] = {
    "; a comment",
    "Orphan=before any section",
    "[Main]",
    "Name = Label One \t",
    "Quoted=\"  padded  \"",
    "Twice=\"\"x\"\"",
    "Single=\"",
    "Empty=",
    "EmptyQuotes=\"\"",
    "Count=12abc",
    "Negative=-5",
    "Plus=+7",
    "NoDigits=abc",
    "QuotedNumber=\"42\"",
    "Huge=99999999999",
    "Tiny=-99999999999",
    "Dup=first",
    "DUP=second",
    "a line without an equals sign",
    "\t Indented\t=\ttabbed",
    ";Commented=yes",
    "[main]",
    "Late=only in the second [main]",
    "[\x83\x5D\x81\x5B\x83\x93]",  // ゾーン: ゾ ends in ']'
    "Key=dbcs section",
    "[\x83\x41]",  // ア
    "Key=katakana a",
    "[ Other ]",
    "Name=other",
};

std::string joined(const char* lineEnd) {
    std::string bytes;
    for (const char* line : kSample) bytes += std::string(line) + lineEnd;
    return bytes;
}

TEST_F(ProfileFileTest, ReadsStringsWithWindowsRules) {
    const struct {
        const char *section, *key, *expected;  // nullptr: the default
    } cases[] = {
        {"Main", "Name", "Label One"},
        {"MAIN", "nAME", "Label One"},
        {"Main", "Quoted", "  padded  "},
        {"Main", "Twice", "\"x\""},  // one pair only
        {"Main", "Single", "\""},
        {"Main", "Empty", ""},
        {"Main", "EmptyQuotes", ""},
        {"Main", "Dup", "first"},
        {"Main", "Indented", "tabbed"},
        {"Main", "Late", nullptr},  // first [Main] only
        {"Main", "Orphan", nullptr},
        {"", "Orphan", nullptr},
        {"Main", "Commented", nullptr},
        {"Main", "a line without an equals sign", nullptr},
        {"Main", "Missing", nullptr},
        {"Nope", "Name", nullptr},
        {"Other", "Name", "other"},
        {"\x83\x5D\x81\x5B\x83\x93", "key", "dbcs section"},
        // ヂ (0x83 0x61) must not match ア (0x83 0x41) by upper-casing its trail byte.
        {"\x83\x61", "Key", nullptr},
    };
    for (const char* lineEnd : {"\n", "\r\n"}) {
        const ProfileFile profile(put(joined(lineEnd)));
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.section) + "/" + c.key +
                         (lineEnd[0] == '\r' ? " CRLF" : ""));
            EXPECT_EQ(profile.readString(c.section, c.key, "<default>"),
                      c.expected ? c.expected : "<default>");
        }
    }
}

TEST_F(ProfileFileTest, ReadsIntegersWithWindowsRules) {
    const ProfileFile profile(put(joined("\r\n")));
    const struct {
        const char* key;
        int expected;
    } cases[] = {
        {"Count", 12},   {"Negative", -5},     {"Plus", 7},       {"NoDigits", 0},
        {"Name", 0},     {"QuotedNumber", 42}, {"Empty", 99},     {"EmptyQuotes", 99},
        {"Missing", 99}, {"Huge", INT_MAX},    {"Tiny", INT_MIN},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(profile.readInt("Main", c.key, 99), c.expected);
    }
    EXPECT_EQ(ProfileFile(folder_ + "/missing.ini").readInt("Main", "Count", 3), 3);
}

TEST_F(ProfileFileTest, WritesKeepTheRestOfTheFile) {
    const struct {
        const char *before, *section, *key, *after, *note;
    } cases[] = {
        {"[A]\r\n key = 1 \r\n; note\r\n\r\n[B]\r\nx=y\r\n", "a", "KEY",
         "[A]\r\nkey=22\r\n; note\r\n\r\n[B]\r\nx=y\r\n", "replace in place, keep spelling, CR LF"},
        {"[A]\nk=1\n; c\n\n[B]\nx=y\n", "A", "n", "[A]\nk=1\nn=22\n; c\n\n[B]\nx=y\n",
         "new key after the last key, LF"},
        {"[A]\n\n[B]\n", "A", "n", "[A]\nn=22\n\n[B]\n", "section without keys"},
        {"[A]\nk=1", "A", "n", "[A]\nk=1\nn=22", "last line without line end"},
        {"[A]\nk=1\n", "C", "n", "[A]\nk=1\n\n[C]\nn=22\n", "new section"},
        {"[A]\nk=1\n\n", "C", "n", "[A]\nk=1\n\n[C]\nn=22\n", "new section after a blank"},
        {"[A]\r\nk=1", "C", "n", "[A]\r\nk=1\r\n\r\n[C]\r\nn=22\r\n", "no line end at the end"},
        {"", "C", "n", "[C]\r\nn=22\r\n", "empty file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        ProfileFile profile(put(c.before));
        EXPECT_TRUE(profile.writeString(c.section, c.key, "22")) << profile.lastError();
        EXPECT_EQ(contents(), c.after);
    }
}

TEST_F(ProfileFileTest, NewFileInNewFolderAndValuesKeptAsBytes) {
    ProfileFile profile(folder_ + "/sub/dir/NEW.INI");
    ASSERT_TRUE(profile.writeString("S", "Path", "\x95\x5C.csv")) << profile.lastError();  // 表
    ASSERT_TRUE(profile.writeInt("S", "Count", -12));
    std::string bytes;
    ASSERT_EQ(readWholeFile(profile.path(), bytes, kLargestSettingsFile), ReadStatus::Ok);
    EXPECT_EQ(bytes, "[S]\r\nPath=\x95\x5C.csv\r\nCount=-12\r\n");
    EXPECT_EQ(profile.readString("s", "path", ""), "\x95\x5C.csv");
}

TEST_F(ProfileFileTest, FailedWritesLeaveTheFileAlone) {
    const std::string before = "[A]\nk=1\n";
    ProfileFile profile(put(before));
    EXPECT_FALSE(profile.writeString("A", "k", "two\nlines"));  // would inject a line
    EXPECT_FALSE(profile.lastError().empty());
    EXPECT_FALSE(profile.writeString("A", "k=x", "1"));  // would not read back
    EXPECT_EQ(contents(), before);
}

TEST_F(ProfileFileTest, ReadOnlyFolderKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root ignores permissions";
    const std::string before = "[A]\nk=1\n";
    put(before);
    ::chmod(folder_.c_str(), 0555);
    ProfileFile locked(folder_ + "/TEST.INI");
    EXPECT_FALSE(locked.writeString("A", "k", "2"));
    EXPECT_NE(locked.lastError().find("Permission denied"), std::string::npos)
        << locked.lastError();
    EXPECT_EQ(contents(), before);
}

using test::ScopedEnvironment;

// Found by fuzzing: a file whose last line ends in a lone CR gave the value with the CR, and a
// write of another key (which ends that line properly) changed the value.
TEST_F(ProfileFileTest, ALoneCarriageReturnAtTheEndIsALineEnd) {
    ProfileFile file(put("[Recent Use]\nLComp=\xD0\r"));
    EXPECT_EQ(file.readString("Recent Use", "LComp", "none"), "\xD0");
    ASSERT_TRUE(file.writeString("FUZZ", "Key", "value 1"));
    EXPECT_EQ(file.readString("Recent Use", "LComp", "none"), "\xD0");
    EXPECT_EQ(file.readString("FUZZ", "Key", ""), "value 1");
    EXPECT_EQ(contents(), "[Recent Use]\nLComp=\xD0\n\n[FUZZ]\nKey=value 1\n");
    // The same when the key goes into the last line's own section.
    ProfileFile same(put("[Recent Use]\nLComp=\xD0\r"));
    ASSERT_TRUE(same.writeString("Recent Use", "Code", "8"));
    EXPECT_EQ(same.readString("Recent Use", "LComp", "none"), "\xD0");
    EXPECT_EQ(same.readString("Recent Use", "Code", ""), "8");
    // And with more than one CR, whatever follows.
    ProfileFile doubled(put(std::string("[Recent Use]\nLComp=\xD0\0\0E\r\r", 25)));
    EXPECT_EQ(doubled.readString("Recent Use", "LComp", "none"), std::string("\xD0\0\0E", 4));
    ASSERT_TRUE(doubled.writeString("FUZZ", "Key", "value 1"));
    EXPECT_EQ(doubled.readString("Recent Use", "LComp", "none"), std::string("\xD0\0\0E", 4));
}

TEST(SettingsFolder, EnvironmentChoosesTheFolder) {
    const struct {
        const char *own, *xdg, *home, *expected, *note;
    } cases[] = {
        {"/q/conf", "/xdg", "/home/u", "/q/conf", "own variable first"},
        {"", "/xdg", "/home/u", "/xdg/quorvi", "empty counts as unset"},
        {nullptr, nullptr, "/home/u", "/home/u/.config/quorvi", "home"},
        {nullptr, "relative", "/home/u", "/home/u/.config/quorvi", "relative XDG path ignored"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        const ScopedEnvironment own("QUORVI_CONFIG_DIR", c.own);
        const ScopedEnvironment xdg("XDG_CONFIG_HOME", c.xdg);
        const ScopedEnvironment home("HOME", c.home);
        EXPECT_EQ(settingsFolder(), c.expected);
        EXPECT_EQ(settingsPath("QUORVI32.INI"), std::string(c.expected) + "/QUORVI32.INI");
    }
    const ScopedEnvironment own("QUORVI_CONFIG_DIR", "/q/conf/");
    EXPECT_EQ(settingsPath("ROWSMITH.INI"), "/q/conf/ROWSMITH.INI");
}

}  // namespace
}  // namespace qv
