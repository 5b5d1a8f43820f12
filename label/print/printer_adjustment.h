// What one printer needs beyond the drawing: where it really puts the page on the paper, and how
// its dots spread. Kept in the settings file "QUORVI32.INI", one section per printer
// ("[Printer NAME]"), since the definition file is the same for every printer.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qv {

class ProfileFile;

struct PrinterAdjustment {
    // Moves everything printed, in 0.1 mm: x to the right, y down the page as it is designed.
    int offsetXTenths = 0;
    int offsetYTenths = 0;
    // Each module of a barcode a whole number of the printer's dots, the symbol centred in its
    // field; otherwise the symbol is stretched onto the field as it is drawn everywhere else.
    bool wholeDotModules = false;
    // Dots taken off every bar and given to the spaces beside it (thermal and inkjet spread).
    int barWidthReductionDots = 0;

    bool operator==(const PrinterAdjustment& o) const {
        return offsetXTenths == o.offsetXTenths && offsetYTenths == o.offsetYTenths &&
               wholeDotModules == o.wholeDotModules &&
               barWidthReductionDots == o.barWidthReductionDots;
    }
    bool operator!=(const PrinterAdjustment& o) const { return !(*this == o); }
};

// An offset beyond 20 mm is no feed error but a wrong paper; larger values read as 0.
constexpr int kMostOffsetTenths = 200;
constexpr int kMostBarWidthReductionDots = 4;

// Whether `printer` can name a section of the settings file ("[" and "]", control characters
// and outer blanks cannot).
bool printerNameStorable(std::string_view printer);

// The settings of `printer`; a printer without a section, or a value out of range, reads as no
// adjustment.
PrinterAdjustment readPrinterAdjustment(const ProfileFile& settings, std::string_view printer);
// Writes the four keys of `printer`. False when the name cannot be a section name or the file
// could not be written (ProfileFile::lastError says why).
bool writePrinterAdjustment(ProfileFile& settings, std::string_view printer,
                            const PrinterAdjustment& adjustment);

// Millimetres with one decimal: "1.5", "-0.8", "+2", "0"; nothing else. Gives tenths, or nothing
// for a text that is no such number or lies beyond kMostOffsetTenths.
std::optional<int> parseOffsetMm(std::string_view text);
// Tenths as the dialog and the calibration sheet show them: "+1.5", "-0.8", "0.0".
std::string offsetMmText(int tenths);

struct PrinterOffset {
    int xTenths = 0;
    int yTenths = 0;
};
// "X,Y" in millimetres, as --offset takes it.
std::optional<PrinterOffset> parseOffsetPair(std::string_view text);

}  // namespace qv
