// The bars read back by an independent decoder: each symbol is rendered to a 1-bit image and
// decoded by zbarimg (Debian package zbar-tools), which must give the value back.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "label/barcode/bar_encoding.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

constexpr int kQuietZone = 40;    // white pixels added beyond our margins on both sides
constexpr int kImageHeight = 80;  // pixels; one canvas unit = one pixel across

// zbarimg on the PATH, or empty.
std::string findZbarimg() {
    const char* path = std::getenv("PATH");
    std::string dirs = path != nullptr ? path : "/usr/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        const std::filesystem::path candidate =
            std::filesystem::path(dirs.substr(start, end - start)) / "zbarimg";
        std::error_code ignored;
        if (std::filesystem::is_regular_file(candidate, ignored)) return candidate.string();
        start = end + 1;
    }
    return "";
}

// The symbol as a binary PBM (P4) image: 1 = black, rows packed from the most significant bit.
std::string renderPbm(const BarSymbol& s) {
    const int width = s.canvasWidth + 2 * kQuietZone;
    std::string row((width + 7) / 8, '\0');
    int x = kQuietZone + s.firstBarX;
    for (const BarRun& run : s.runs) {
        for (int i = x; run.bar && i < x + run.width; ++i) {
            row[i / 8] = static_cast<char>(row[i / 8] | (0x80 >> (i % 8)));
        }
        x += run.width;
    }
    std::string image = "P4\n" + std::to_string(width) + " " + std::to_string(kImageHeight) + "\n";
    for (int y = 0; y < kImageHeight; ++y) image += row;
    return image;
}

class ZbarDecode : public testing::Test {
  protected:
    void SetUp() override {
        zbarimg_ = findZbarimg();
        ASSERT_FALSE(zbarimg_.empty()) << "zbarimg is not installed: the decoding tests need the "
                                          "Debian package zbar-tools (scripts/install-deps.sh)";
    }

    // What zbarimg reads from the rendered symbol: one line per symbol found, without the last
    // line break; empty when it finds none.
    std::string decode(const BarSymbol& symbol) {
        const std::string file = folder_.file("symbol.pbm");
        test::writeBytes(file, renderPbm(symbol));
        const std::string command = zbarimg_ + " --nodbus --raw -q '" + file + "' 2>&1";
        std::string output;
        if (FILE* pipe = popen(command.c_str(), "r")) {
            char buffer[256];
            size_t n = 0;
            while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
            pclose(pipe);
        }
        while (!output.empty() && output.back() == '\n') output.pop_back();
        return output;
    }

  private:
    std::string zbarimg_;
    test::TempFolder folder_;
};

struct DecodeCase {
    std::string name;
    std::string value;     // as given to the encoder
    std::string expected;  // as zbarimg reports it
    int scale;             // module width X for JAN, resolution factor k otherwise
};

std::string caseName(const testing::TestParamInfo<DecodeCase>& info) {
    return info.param.name;
}

// ---- JAN -------------------------------------------------------------------------------------

// The EAN check digit, worked out independently of the code under test: weights 3 and 1
// alternating from the rightmost digit of the body.
std::string withCheckDigit(const std::string& body) {
    int sum = 0;
    int weight = 3;
    for (auto it = body.rbegin(); it != body.rend(); ++it) {
        sum += (*it - '0') * weight;
        weight = 4 - weight;
    }
    return body + static_cast<char>('0' + (10 - sum % 10) % 10);
}

// Every first digit, with every digit in the other positions across the cases.
std::vector<DecodeCase> janCases(bool isEan13) {
    std::vector<DecodeCase> cases;
    const int bodyLength = isEan13 ? 12 : 7;
    for (int first = 0; first < 10; ++first) {
        std::string body;
        for (int i = 0; i < bodyLength; ++i) body += static_cast<char>('0' + (first + 3 * i) % 10);
        const std::string value = withCheckDigit(body);
        // zbar reports an EAN-13 with its 13 digits, also one starting with 0 (no UPC-A form).
        cases.push_back({std::string(isEan13 ? "Ean13" : "Ean8") + "_First" + std::to_string(first),
                         value, value, 2 + first % 2});
    }
    return cases;
}

class ZbarJan : public ZbarDecode, public testing::WithParamInterface<DecodeCase> {};

TEST_P(ZbarJan, DecodesToItsValue) {
    const DecodeCase& c = GetParam();
    EXPECT_EQ(decode(EncodeJan(c.value, c.value.size() == 13, c.scale)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Ean13, ZbarJan, testing::ValuesIn(janCases(true)), caseName);
INSTANTIATE_TEST_SUITE_P(Ean8, ZbarJan, testing::ValuesIn(janCases(false)), caseName);

TEST_F(ZbarDecode, JanWithAWrongCheckDigitIsNotRead) {
    // Shows that the JAN cases above really pass through zbar's check digit test.
    EXPECT_EQ(decode(EncodeJan("4901234567895", true, 2)), "");
}

// One suite per symbology whose encoder takes the value and the resolution factor k.
template <BarSymbol (*encode)(std::string_view value, int k)>
class ZbarSymbology : public ZbarDecode, public testing::WithParamInterface<DecodeCase> {
  protected:
    void expectDecodesToItsValue() {
        const DecodeCase& c = GetParam();
        EXPECT_EQ(decode(encode(c.value, c.scale)), c.expected);
    }
};

// ---- ITF -------------------------------------------------------------------------------------

// zbar reports the digits as they were given; the case is named by their count and k.
DecodeCase digitsAsGiven(const std::string& digits, int k) {
    const std::string name = "Digits" + std::to_string(digits.size()) + (k == 1 ? "" : "_K2");
    return {name, digits, digits, k};
}

using ZbarItf = ZbarSymbology<EncodeItf>;
TEST_P(ZbarItf, DecodesToItsValue) {
    expectDecodesToItsValue();
}

// zbar reads interleaved 2 of 5 from 6 digits on.
INSTANTIATE_TEST_SUITE_P(Values, ZbarItf,
                         testing::Values(digitsAsGiven("123456", 1), digitsAsGiven("90817263", 1),
                                         digitsAsGiven("0123456789", 1),
                                         digitsAsGiven("55443322110099", 2),
                                         digitsAsGiven("98765432100123456789", 1)),
                         caseName);

// ---- NW7 -------------------------------------------------------------------------------------

using ZbarNw7 = ZbarSymbology<EncodeNw7>;
TEST_P(ZbarNw7, DecodesToItsValue) {
    expectDecodesToItsValue();
}

// zbar reports the start/stop characters in upper case; t, n, * and e have the bars of A, B, C
// and D and come back as those, a backslash has the bars of "$".
INSTANTIATE_TEST_SUITE_P(
    Values, ZbarNw7,
    testing::Values(DecodeCase{"StartStopA_Digits", "a0123456789a", "A0123456789A", 1},
                    DecodeCase{"StartStopB_Symbols", "b-$:/.+b", "B-$:/.+B", 1},
                    DecodeCase{"StartStopCD", "c13579d", "C13579D", 1},
                    DecodeCase{"StartStopDA_K2", "d24680a", "D24680A", 2},
                    DecodeCase{"StartStopTN", "t1234n", "A1234B", 1},
                    DecodeCase{"StartStopStarE", "*5678e", "C5678D", 1},
                    DecodeCase{"Backslash", "a1\\2b", "A1$2B", 1}),
    caseName);

// ---- CODE 39 ---------------------------------------------------------------------------------

// zbar reports the data characters without the start/stop "*".
DecodeCase betweenStars(const std::string& name, const std::string& data, int k) {
    return {name, "*" + data + "*", data, k};
}

using ZbarCode39 = ZbarSymbology<EncodeCode39>;
TEST_P(ZbarCode39, DecodesToItsValue) {
    expectDecodesToItsValue();
}

INSTANTIATE_TEST_SUITE_P(Values, ZbarCode39,
                         testing::Values(betweenStars("Digits", "0123456789", 1),
                                         betweenStars("LettersAToM", "ABCDEFGHIJKLM", 1),
                                         betweenStars("LettersNToZ_K2", "NOPQRSTUVWXYZ", 2),
                                         betweenStars("Symbols", "-. $/+%", 1),
                                         betweenStars("OneCharacter", "A", 1)),
                         caseName);

}  // namespace
}  // namespace qv
