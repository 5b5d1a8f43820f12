// A definition with a data file in a temporary folder, and a print job over it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "label/data/data_file_check.h"
#include "label/print/print_job.h"
#include "tests/label/data/data_test_support.h"
#include "tests/support/label_grid.h"
#include "tests/support/recording_surface.h"

namespace qv::test {

class PrintFixture {
  public:
    // A 3 x 2 sheet of 40 x 30 mm labels from 10/20 mm, one text field of 10 bytes at (2, 3).
    PrintFixture() : document(messages) {
        LabelDefinition& d = document.definition();
        placeLabels(d.sheet, {40, 30, 10, 20, 3, 2});
        d.dataFile.fieldNames = {"NAME"};
        d.dataFile.fieldLengths[0] = 10;
        d.fields[0].xMm = 2;
        d.fields[0].yMm = 3;
        d.fields[0].pointSize = 10;  // 35 logical units
        d.printPageNumber = 0;
        d.printDate = 0;
        clock.fix({1997, 10, 10, 14, 5, 9, 5});
    }

    // Writes the data lines and prepares a job on them; gives the page count.
    int prepare(const std::vector<std::string>& lines) {
        writeBytes(folder.file("data.csv"), linesOf(lines));
        document.definition().dataFile.dataFilePath = folder.file("data.csv");
        document.dataFileUsable = true;
        job = std::make_unique<LabelPrintJob>(document, settings, clock, messages);
        return job->prepare();
    }

    // The calls of printing `page` that begin with `prefix`.
    std::vector<std::string> print(int page, const std::string& prefix) {
        RecordingSurface surface(colourCount);
        job->printPage(surface, page);
        return surface.callsStartingWith(prefix);
    }

    TempFolder folder;
    RecordingMessageService messages;
    CQuorviDoc document;
    PrintSettings settings;
    MacroClock clock;
    std::unique_ptr<LabelPrintJob> job;
    int colourCount = 256;
};

}  // namespace qv::test
