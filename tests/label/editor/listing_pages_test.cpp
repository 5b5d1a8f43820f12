#include "label/editor/forms/listing_pages.h"

#include <gtest/gtest.h>

#include "tests/support/recording_surface.h"

namespace qv {
namespace {

// A listing of 3 fields on a page 100 mm high: the body font is 10 pt (35 units a line).
TEST(ListingPagesTest, LinesContinueOnTheNextPageAndEveryPageHasItsFooter) {
    LabelDefinition d;
    d.titleText = "T";
    d.dataFile.fieldNames = {"A", "B", "C"};
    std::vector<ListingLine> lines = buildDefinitionListing(d);
    RecordingSurface surface(256, 100);
    ListingPages pages(lines, d);
    const int count = pages.paginate(surface, 210);
    // Lines go from 15 mm plus the title and one body line down to 25 mm above the bottom.
    ASSERT_GE(count, 2);
    std::vector<std::string> printed;
    for (int page = 1; page <= count; ++page) {
        RecordingSurface pageSurface(256, 100);
        pages.paginate(pageSurface, 210);
        pages.drawPage(pageSurface, page, {1997, 10, 10, 0, 0, 0, 5});
        for (const std::string& call : pageSurface.callsStartingWith("textOut 200")) {
            printed.push_back(call);
        }
        const std::vector<std::string> foot = pageSurface.callsStartingWith("textInRect");
        ASSERT_EQ(foot.size(), 2u);
        EXPECT_EQ(foot[0].substr(foot[0].rfind(' ') + 1), std::to_string(page));
        EXPECT_EQ(foot[1].substr(foot[1].rfind(' ') + 1), "1997.10.10");
    }
    // Every label line printed once, in order, the title first.
    size_t labels = 0;
    for (const ListingLine& line : lines) labels += line.label != kEmptyListingPart ? 1 : 0;
    EXPECT_EQ(printed.size(), labels);
    EXPECT_EQ(printed[0], "textOut 200 -150 Title   T");
    EXPECT_NE(printed.back().find("文字属性"), std::string::npos);
}

}  // namespace
}  // namespace qv
