// A print run of the label program: prepare (paper, print time, data file, pages), print any
// page alone, end. Print, preview and export all run this same sequence.
#pragma once

#include <memory>
#include <string>
#include <utility>

#include "common/message_service.h"
#include "label/data/data_file_reader.h"
#include "label/definition/quorvi_doc.h"
#include "label/definition/text_macros.h"
#include "label/print/label_content.h"
#include "label/print/print_settings.h"
#include "label/print/sheet_geometry.h"

namespace qv {

class LabelPrintJob {
  public:
    LabelPrintJob(CQuorviDoc& document, const PrintSettings& settings, MacroClock& clock,
                  MessageService& messages);
    ~LabelPrintJob();

    // Another data file for this run (a local path); its extension decides as the definition's
    // would. Call before prepare().
    void useDataFile(const std::string& localPath);

    // A partly used sheet: printing starts at label `label` (from 1, in the fill order) of the
    // first page; the labels before it stay blank and later pages are whole. Call before
    // prepare(); a label beyond the sheet's labels starts at the sheet's last label.
    void startAtLabel(int label);
    int firstLabel() const { return firstLabel_; }
    // Copies per record: every record prints `copies` labels (0 to kMostCopiesPerRecord), or
    // the count that field `fieldNumber` (from 1; 0: none) of each record holds. Page breaks,
    // group pages and the page limit count the labels as printed. Call before prepare().
    void printCopies(int copies, int fieldNumber = 0);

    // Takes the print time, opens and indexes the data file when data is used, and gives the
    // number of pages (0: nothing to print). A CSZ file gives 0 until a mono-pattern selection
    // is handed over.
    int prepare();
    // Whether prepare() gave 0 because the data file could not be opened (the user was told).
    bool dataFileFailed() const { return dataFileFailed_; }
    // Whether the data file read by prepare() is a CSZ file, and what it holds.
    bool monoPatternMode() const;
    const CszContent* cszContent() const;
    // The mono-pattern selection of a CSZ run: every page prints `labels` (one record per label,
    // in fill order), `copies` pages. Gives the page count; 0 outside a CSZ run.
    int useMonoPattern(std::vector<std::string> labels, int copies);
    // Every barcode field that printPage draws from then on is told to `observer`, with its page.
    void observeBarcodes(BarcodeObserver observer) { barcodeObserver_ = std::move(observer); }
    // Draws page `page` (from 1) at print scale with the page's corner at (0, 0).
    void printPage(DrawSurface& surface, int page);
    // Closes the data file.
    void end();

    int pageCount() const { return pageCount_; }
    // The paper of the definition, for the printer or the page size of an export.
    PrinterPaper printerPaper() const;
    PaperSize paperSize() const;

  private:
    int countPages(int labelsPerPage);

    CQuorviDoc& document_;
    PrintSettings settings_;
    MacroClock& clock_;
    MessageService& messages_;
    std::unique_ptr<DataFileReader> reader_;
    std::string dataFileOverride_;
    bool dataUse_ = false;
    bool dataFileFailed_ = false;
    int firstLabel_ = 1;
    int copiesPerRecord_ = 1;
    int copiesField_ = 0;
    int pageCount_ = 0;
    BarcodeObserver barcodeObserver_;
};

}  // namespace qv
