#include "label/print/print_job.h"

#include <algorithm>

#include "label/data/data_file_check.h"
#include "label/print/page_texts.h"

namespace qv {

LabelPrintJob::LabelPrintJob(CQuorviDoc& document, const PrintSettings& settings, MacroClock& clock,
                             MessageService& messages)
    : document_(document), settings_(settings), clock_(clock), messages_(messages) {}

LabelPrintJob::~LabelPrintJob() = default;

void LabelPrintJob::useDataFile(const std::string& localPath) {
    dataFileOverride_ = localPath;
}

void LabelPrintJob::startAtLabel(int label) {
    firstLabel_ = std::clamp(label, 1, std::max(1, labelsPerPage(document_.definition().sheet)));
}

void LabelPrintJob::printCopies(int copies, int fieldNumber) {
    copiesPerRecord_ = std::clamp(copies, 0, kMostCopiesPerRecord);
    copiesField_ = std::clamp(fieldNumber, 0, kMaxFields);
}

int LabelPrintJob::prepare() {
    clock_.readClock();
    dataFileFailed_ = false;
    const LabelDefinition& d = document_.definition();
    const int n = labelsPerPage(d.sheet);
    dataUse_ = dataFileOverride_.empty() ? document_.dataFileUsable
                                         : dataFileModes(dataFileOverride_).usable;
    if (!dataUse_) {
        pageCount_ = 1;
        return pageCount_;
    }
    DataReaderSettings readerSettings;
    readerSettings.fieldLengths = d.dataFile.fieldLengths;
    readerSettings.pageBreakField = d.pageBreakField;
    readerSettings.subtitleOpen = settings_.subtitleOpen;
    readerSettings.subtitleClose = settings_.subtitleClose;
    readerSettings.firstPageSkipped = firstLabel_ - 1;
    readerSettings.copiesPerRecord = copiesPerRecord_;
    readerSettings.copiesField = copiesField_;
    readerSettings.encoding = document_.dataEncoding;
    reader_ = std::make_unique<DataFileReader>(readerSettings, messages_);
    const std::string path =
        dataFileOverride_.empty() ? dataFileLocalPath(document_) : dataFileOverride_;
    // A data file that cannot be read prints nothing: blank labels would waste the stock.
    dataFileFailed_ = !reader_->Open(path, d.dataFile.skipFirstLine != 0);
    pageCount_ = dataFileFailed_ ? 0 : countPages(n);
    return pageCount_;
}

// The indexed pages; a file without records still prints one page of constants, unless its
// first line is skipped and a page holds more than one label.
int LabelPrintJob::countPages(int n) {
    const bool skip = document_.definition().dataFile.skipFirstLine != 0;
    if (reader_->cszMode()) return 0;  // a CSZ file prints the pages the user composes
    const int c = reader_->BuildPageIndex(n, skip);
    if (reader_->pageCount() > 0) return reader_->pageCount();
    if (n < 1) return 1;  // no label on the sheet: the page's texts alone
    const int skipped = skip ? 1 : 0;
    return c / n + ((c - skipped) % n != 0 ? 1 : 0);
}

bool LabelPrintJob::monoPatternMode() const {
    return dataUse_ && reader_ && reader_->cszMode();
}

const CszContent* LabelPrintJob::cszContent() const {
    return monoPatternMode() ? &reader_->csz() : nullptr;
}

int LabelPrintJob::useMonoPattern(std::vector<std::string> labels, int copies) {
    if (!monoPatternMode()) return 0;
    reader_->setPageLines(std::move(labels));
    pageCount_ = std::max(copies, 0);
    return pageCount_;
}

void LabelPrintJob::printPage(DrawSurface& surface, int page) {
    LabelDefinition& d = document_.definition();
    const PagePlacement place;
    // The blank labels of a partly used sheet lie on its first page; the running numbers of the
    // later pages start that many labels earlier.
    const int skipped = firstLabel_ - 1;
    const int blank = page == 1 ? skipped : 0;
    if (!d.sheet.noFrameLines) {
        if (blank > 0) {
            drawLabelFrames(surface, d.sheet, blank);
        } else {
            drawGridFrame(surface, d.sheet);
        }
    }
    surface.selectBlackPen();
    drawRuledLines(surface, d, place, blank);
    const int pageStart =
        labelCounterAtPageStart(page, labelsPerPage(d.sheet), d.serialStartNumber);
    int labelCounter = page == 1 ? pageStart : wrappedCounter(int64_t{pageStart} - skipped);
    drawConstants(surface, d, place, labelCounter, clock_.timestamp(), settings_.date,
                  paintLoadedBitmaps(document_.loadedBitmaps()), blank);
    PageNumbering numbering;
    numbering.page = page;
    if (dataUse_ && reader_) {
        // A mono-pattern run prints the same selection on every page.
        if (!reader_->cszMode()) reader_->LoadPage(page, labelsPerPage(d.sheet));
        BarcodeObserver observer;
        if (barcodeObserver_) {
            observer = [this, page](const DrawnBarcode& drawn) {
                DrawnBarcode onPage = drawn;
                onPage.page = page;
                barcodeObserver_(onPage);
            };
        }
        drawDataLabels(surface, d, *reader_, settings_, blank, observer);
        numbering.groupPage = reader_->groupPageNumber(page);
        numbering.pageBreakActive = reader_->pageBreakActive();
        numbering.subtitle = reader_->pageBreakActive() ? reader_->pageSubtitle() : "";
    }
    drawTitle(surface, d, place, numbering.subtitle);
    drawPageNumber(surface, d, place, numbering, settings_.pageStyle);
    drawOutputDate(surface, d, place, clock_.timestamp());
}

void LabelPrintJob::end() {
    if (dataUse_ && reader_) reader_->Close();
    reader_.reset();
}

PrinterPaper LabelPrintJob::printerPaper() const {
    return printerSetup(document_.papers(), document_.definition().sheet.paperIndex);
}

PaperSize LabelPrintJob::paperSize() const {
    const SheetGeometry& sheet = document_.definition().sheet;
    return {sheet.paperWidthMm, sheet.paperHeightMm};
}

}  // namespace qv
