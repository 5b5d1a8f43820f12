#include "label/print/print_settings.h"

#include "common/profile_file.h"
#include "common/sjis_text.h"

namespace qv {

namespace {

const char* const kRecentUse = "Recent Use";

}  // namespace

PrintSettings::PrintSettings()
    : subtitleOpen(sjis::fromUtf8("＜")), subtitleClose(sjis::fromUtf8("＞")) {}

PrintSettings readPrintSettings(const ProfileFile& file) {
    PrintSettings settings;
    settings.subtitleOpen = file.readString(kRecentUse, "PB1", settings.subtitleOpen);
    settings.subtitleClose = file.readString(kRecentUse, "PB2", settings.subtitleClose);
    settings.pageStyle = file.readInt(kRecentUse, "PageStyle", 0) == 1
                             ? PageStyle::PerGroupAndRunning
                             : PageStyle::PerGroup;
    settings.barTextFace = file.readString(kRecentUse, "UFont", settings.barTextFace);
    settings.barTextBold = file.readInt(kRecentUse, "UBold", 0) != 0;
    settings.date = readDateSettings(file);
    return settings;
}

}  // namespace qv
