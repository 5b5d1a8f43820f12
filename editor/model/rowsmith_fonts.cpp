#include "editor/model/rowsmith_fonts.h"

#include "common/sjis_text.h"

namespace qv {

namespace {

const char* const kSection = "FONTS";

std::string readFace(const ProfileFile& settings, const char* key, const std::string& fallback) {
    const std::string stored = settings.readString(kSection, key, "");
    return stored.empty() ? fallback : sjis::toUtf8(stored);
}

int readSize(const ProfileFile& settings, const char* key, int fallback) {
    const int size = settings.readInt(kSection, key, fallback);
    return size >= 1 && size <= kMaxRowsmithFontSize ? size : fallback;
}

}  // namespace

bool RowsmithFonts::operator==(const RowsmithFonts& other) const {
    return printFace == other.printFace && printSize == other.printSize &&
           screenFace == other.screenFace && screenSize == other.screenSize &&
           trueTypeOnly == other.trueTypeOnly && japaneseOnly == other.japaneseOnly;
}

RowsmithFonts readRowsmithFonts(const ProfileFile& settings) {
    const RowsmithFonts defaults;
    RowsmithFonts fonts;
    fonts.printFace = readFace(settings, "PrintFace", defaults.printFace);
    fonts.printSize = readSize(settings, "PrintSize", defaults.printSize);
    fonts.screenFace = readFace(settings, "ChildFace", defaults.screenFace);
    fonts.screenSize = readSize(settings, "ChildSize", defaults.screenSize);
    fonts.trueTypeOnly = settings.readInt(kSection, "TrueType", 0) != 0;
    fonts.japaneseOnly = settings.readInt(kSection, "Nihongo", 0) != 0;
    return fonts;
}

bool writeRowsmithFonts(ProfileFile& settings, const RowsmithFonts& fonts) {
    return settings.writeString(kSection, "PrintFace", sjis::fromUtf8(fonts.printFace)) &&
           settings.writeInt(kSection, "PrintSize", fonts.printSize) &&
           settings.writeString(kSection, "ChildFace", sjis::fromUtf8(fonts.screenFace)) &&
           settings.writeInt(kSection, "ChildSize", fonts.screenSize) &&
           writeFontFilters(settings, fonts);
}

bool writeFontFilters(ProfileFile& settings, const RowsmithFonts& fonts) {
    return settings.writeInt(kSection, "TrueType", fonts.trueTypeOnly ? 1 : 0) &&
           settings.writeInt(kSection, "Nihongo", fonts.japaneseOnly ? 1 : 0);
}

}  // namespace qv
