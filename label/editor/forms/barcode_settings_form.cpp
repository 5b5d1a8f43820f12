#include "label/editor/forms/barcode_settings_form.h"

#include <utility>

#include "label/print/print_settings.h"

namespace qv {

namespace {

const char* const kSettingsNotWritten = "設定ファイルに書き込めませんでした。";

void flip(int& setting) {
    setting = setting != 0 ? 0 : 1;
}

}  // namespace

const char* const kModuleWidthRangeMessage = "モジュール幅は１～３の範囲で入力して下さい。";

BarcodeSettingsForm::BarcodeSettingsForm(LabelDefinition& definition, ProfileFile settings,
                                         MessageService& messages)
    : definition_(definition), settings_(std::move(settings)), messages_(messages) {
    if (definition_.moduleWidth < 0 || definition_.moduleWidth > kMaxModuleWidth) {
        definition_.moduleWidth = 1;
    }
    moduleWidth_ = definition_.moduleWidth;
    const PrintSettings stored = readPrintSettings(settings_);
    fontFace_ = stored.barTextFace;
    fontBold_ = stored.barTextBold;
}

void BarcodeSettingsForm::toggleShortJanNotAligned() {
    flip(definition_.shortJanNotAligned);
}

void BarcodeSettingsForm::toggleForceCheckCharacter() {
    flip(definition_.forceCheckCharacter);
}

void BarcodeSettingsForm::toggleAddStartStop() {
    flip(definition_.addStartStop);
}

void BarcodeSettingsForm::toggleDirectBarPrinting() {
    flip(definition_.directBarPrinting);
}

void BarcodeSettingsForm::chooseFont(const std::string& faceSjis, bool bold) {
    fontFace_ = faceSjis;
    fontBold_ = bold;
}

bool BarcodeSettingsForm::trueTypeOnly() const {
    return readTrueTypeOnly(settings_);
}

bool BarcodeSettingsForm::accept() {
    if (moduleWidth_ < kMinModuleWidth || moduleWidth_ > kMaxModuleWidth) {
        messages_.exclamation(kModuleWidthRangeMessage);
        return false;
    }
    definition_.moduleWidth = moduleWidth_;
    // directBarPrinting already holds the last click; it is the value OK stores.
    if (!writeBarTextFont(settings_, fontFace_, fontBold_)) messages_.stop(kSettingsNotWritten);
    return true;
}

}  // namespace qv
