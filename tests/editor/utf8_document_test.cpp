// UTF-8 data files in the data editor: what is read goes back byte for byte, edits and pastes
// keep characters that Shift-JIS lacks, and a save in Shift-JIS names them before writing.
#include <filesystem>

#include <gtest/gtest.h>

#include "common/record_line.h"
#include "common/sjis_text.h"
#include "editor/model/encoding_conversion.h"
#include "editor/model/record_editing.h"
#include "editor/model/rowsmith_doc.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

const std::string kBom(kUtf8ByteOrderMark);

class Utf8DocumentTest : public ::testing::Test {
  protected:
    std::string write(const std::string& name, const std::string& bytes) {
        test::writeBytes(folder.file(name), bytes);
        return folder.file(name);
    }
    // Opens `bytes` and saves them again without an edit.
    std::string resaved(const std::string& bytes) {
        const std::string path = write("DATA.CSV", bytes);
        EXPECT_TRUE(document.open(path, false));
        EXPECT_TRUE(document.save(path));
        return test::readBytes(path);
    }
    test::TempFolder folder;
    RecordingMessageService messages;
    CROWSMITHDoc document{messages};
};

TEST_F(Utf8DocumentTest, UnchangedFilesAreWrittenBackByteForByte) {
    struct Case {
        const char* what;
        std::string bytes;
        const char* label;
        std::string saved;  // empty: the same bytes
    };
    const Case cases[] = {
        {"BOM, CR LF", kBom + "品名,値\r\n😀,𠮷\r\nりんご,\"a,b\"\r\n", "UTF-8 (BOM)", ""},
        {"no BOM, LF", "品名,値\n😀,𠮷\nりんご,1\n", "UTF-8", ""},
        {"no line end at the end", "品名,値\r\nりんご,1", "UTF-8", ""},
        {"BOM and ASCII only", kBom + "A,B\n1,2\n", "UTF-8 (BOM)", ""},
        {"ASCII only is Shift-JIS, saved as always", "A,B\n1,2", "Shift-JIS", "A,B\r\n1,2\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(resaved(c.bytes), c.saved.empty() ? c.bytes : c.saved) << c.what;
        EXPECT_EQ(encodingLabel(document.encoding()), c.label) << c.what;
    }
}

// A line that is not valid UTF-8 (opened as UTF-8 on purpose) stays as it was when untouched.
TEST_F(Utf8DocumentTest, AnEditedRecordIsTheOnlyLineRewritten) {
    const std::string bytes = "名前,値\nbad\xFF\x81,1\n𠮷野家,2\n最後,3\n";
    const std::string path = write("DATA.CSV", bytes);
    ASSERT_TRUE(document.open(path, false, EncodingChoice::Utf8));
    document.lines[2] = SetRecordField(document.lines[2], document.coreText("😀 \\ \""), 1);
    ASSERT_TRUE(document.save(path));
    const std::string back = test::readBytes(path);
    const size_t edited = back.find("𠮷野家,");
    ASSERT_NE(edited, std::string::npos);
    EXPECT_EQ(back.substr(0, edited), "名前,値\nbad\xFF\x81,1\n");
    EXPECT_EQ(back.substr(back.find('\n', edited)), "\n最後,3\n");
    // The record line rules see the value whole: the backslash and the quote come back as typed.
    ASSERT_TRUE(document.open(path, false, EncodingChoice::Utf8));
    EXPECT_EQ(sjis::toUtf8(RecordField(document.lines[2], 0)), "𠮷野家");
    EXPECT_EQ(sjis::toUtf8(RecordField(document.lines[2], 1)), "😀 \\ \"");
}

TEST_F(Utf8DocumentTest, ShiftJisNeedsAYesAndNamesEveryLackingCharacter) {
    const std::string path = write("DATA.CSV", "品名,値\r\nりんご,😀\r\n𠮷野家,1\r\n");
    ASSERT_TRUE(document.open(path, false));
    const FileEncoding shiftJis = targetOf(SaveEncoding::ShiftJis, document.encoding());
    const std::string target = folder.file("SJIS.CSV");

    messages.scriptAnswer(MessageAnswer::No);
    EXPECT_FALSE(mayConvert(document, shiftJis, messages));
    ASSERT_EQ(messages.texts().size(), 1u);
    EXPECT_EQ(messages.texts()[0],
              "次の文字はShift-JISで保存できません。保存すると「?」に置き換わります。\n"
              "ﾚｺｰﾄﾞ 1 項目「値」: 😀\n"
              "ﾚｺｰﾄﾞ 2 項目「品名」: 𠮷\n"
              "Shift-JISで保存しますか？");
    EXPECT_FALSE(std::filesystem::exists(target));

    messages.scriptAnswer(MessageAnswer::Yes);
    ASSERT_TRUE(mayConvert(document, shiftJis, messages));
    ASSERT_TRUE(document.save(target, shiftJis));
    EXPECT_EQ(test::readBytes(target),
              "\x95\x69\x96\xbc,\x92\x6c\r\n\x82\xe8\x82\xf1\x82\xb2,?\r\n?\x96\xec\x89\xc6,1\r\n");
    EXPECT_EQ(encodingLabel(document.encoding()), "Shift-JIS");
    EXPECT_TRUE(charactersShiftJisLacks(document).empty());
}

class UnicodeClipboard : public ClipboardPort {
  public:
    bool hasText() const override { return true; }
    Read read(std::string& out) override {  // as the system clipboard answers for emoji
        out = "😀";
        return Read::Unencodable;
    }
    Read readUtf8(std::string& out) override {
        out = text;
        return Read::Text;
    }
    bool write(const std::string&, bool& opened) override { return opened = true; }
    std::string text;
};

TEST_F(Utf8DocumentTest, PastedCellsKeepEveryCharacter) {
    const std::string path = write("DATA.CSV", "品名,値\n𠮷,1\n");
    ASSERT_TRUE(document.open(path, false));
    UnicodeClipboard clipboard;
    clipboard.text = "😀\t𠮷,x\r\n";
    RecordEditor editor(document, clipboard, messages);
    editor.setCurrentRow(2);
    ASSERT_TRUE(editor.paste());
    ASSERT_TRUE(document.save(path));
    EXPECT_EQ(test::readBytes(path), "品名,値\n𠮷,1\n😀,\"𠮷,x\"\n");
}

}  // namespace
}  // namespace qv
