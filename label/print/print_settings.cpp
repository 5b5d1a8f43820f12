#include "label/print/print_settings.h"

#include "common/profile_file.h"
#include "common/sjis_text.h"
#include "label/print/quorvi_settings_keys.h"

namespace qv {

namespace {

using namespace quorvi_keys;

}  // namespace

PrintSettings::PrintSettings()
    : subtitleOpen(sjis::fromUtf8("＜")), subtitleClose(sjis::fromUtf8("＞")) {}

PrintSettings readPrintSettings(const ProfileFile& file) {
    PrintSettings settings;
    settings.subtitleOpen = file.readString(kRecentUse, kSubtitleOpen, settings.subtitleOpen);
    settings.subtitleClose = file.readString(kRecentUse, kSubtitleClose, settings.subtitleClose);
    settings.pageStyle = file.readInt(kRecentUse, kPageStyle, 0) == 1
                             ? PageStyle::PerGroupAndRunning
                             : PageStyle::PerGroup;
    settings.barTextFace = file.readString(kRecentUse, kBarTextFace, settings.barTextFace);
    settings.barTextBold = readRecentUseFlag(file, kBarTextBold, false);
    settings.date = readDateSettings(file);
    return settings;
}

bool writePageBreakSettings(ProfileFile& file, const std::string& subtitleOpen,
                            const std::string& subtitleClose, PageStyle pageStyle) {
    bool written = file.writeString(kRecentUse, kSubtitleOpen, subtitleOpen);
    written = file.writeString(kRecentUse, kSubtitleClose, subtitleClose) && written;
    return file.writeInt(kRecentUse, kPageStyle, static_cast<int>(pageStyle)) && written;
}

bool writeBarTextFont(ProfileFile& file, const std::string& faceSjis, bool bold) {
    const bool written = file.writeString(kRecentUse, kBarTextFace, faceSjis);
    return writeRecentUseFlag(file, kBarTextBold, bold) && written;
}

bool readTrueTypeOnly(const ProfileFile& file) {
    return readRecentUseFlag(file, kTrueTypeOnly, true);
}

bool readRecentUseFlag(const ProfileFile& file, const char* key, bool fallback) {
    return file.readInt(kRecentUse, key, fallback ? 1 : 0) != 0;
}

bool writeRecentUseFlag(ProfileFile& file, const char* key, bool on) {
    return file.writeInt(kRecentUse, key, on ? 1 : 0);
}

DateSettings readDateSettings(const ProfileFile& file) {
    const DateSettings defaults;
    DateSettings date;
    date.separator = file.readInt(kDate, kDateSeparator, defaults.separator);
    date.eraName = file.readString(kDate, kEraName, defaults.eraName);
    date.eraOffset = file.readInt(kDate, kEraOffset, defaults.eraOffset);
    return date;
}

bool writeDateSettings(ProfileFile& file, const DateSettings& date) {
    return file.writeInt(kDate, kDateSeparator, date.separator) &&
           file.writeString(kDate, kEraName, date.eraName) &&
           file.writeInt(kDate, kEraOffset, date.eraOffset);
}

}  // namespace qv
