// The definition listing printed to a PDF over several pages: every line once, in order, and
// "Page n" with the date at the foot of every page, as pdftotext reads them back.
#include <QPainter>
#include <QPdfWriter>
#include <cstdio>
#include <memory>

#include <gtest/gtest.h>

#include "label/editor/forms/listing_pages.h"
#include "platform/qpainter_surface.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

std::string pdfText(const std::string& path) {
    std::string text;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(("pdftotext " + path + " -").c_str(), "r"),
                                               pclose);
    char buffer[4096];
    for (size_t n; pipe && (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) {
        text.append(buffer, n);
    }
    return text;
}

TEST(ListingPdf, ContinuesLineByLineWithFooters) {
    LabelDefinition d;
    d.titleText = "LISTING";
    for (int k = 0; k < 12; ++k) d.dataFile.fieldNames.push_back("FIELD" + std::to_string(k));
    ListingPages pages(buildDefinitionListing(d), d);
    test::TempFolder folder;
    const std::string path = folder.file("listing.pdf");
    int count = 0;
    {
        QPdfWriter writer(QString::fromStdString(path));
        writer.setPageSize(QPageSize(QPageSize::A6));
        writer.setPageMargins(QMarginsF());
        QPainter painter(&writer);
        {
            QPainterSurface measure(painter);
            count = pages.paginate(measure, 105);
        }
        for (int page = 1; page <= count; ++page) {
            if (page > 1) writer.newPage();
            QPainterSurface surface(painter);
            pages.drawPage(surface, page, {2026, 12, 8, 0, 0, 0, 2});
        }
    }
    ASSERT_GE(count, 3);
    const std::string text = pdfText(path);
    size_t at = 0;
    for (int k = 0; k < 12; ++k) {  // the fields in order
        at = text.find("FIELD" + std::to_string(k) + "\n", at);
        ASSERT_NE(at, std::string::npos) << k;
    }
    for (int page = 1; page <= count; ++page) {
        EXPECT_NE(text.find("Page " + std::to_string(page)), std::string::npos) << page;
    }
    size_t dates = 0;
    for (size_t from = 0; (from = text.find("2026.12.8", from)) != std::string::npos; ++from) {
        ++dates;
    }
    EXPECT_EQ(dates, static_cast<size_t>(count));
    EXPECT_NE(text.find("LISTING"), std::string::npos);
}

}  // namespace
}  // namespace qv
