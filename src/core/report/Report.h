#pragma once

#include "core/report/PageFrame.h"

#include <string>
#include <vector>

namespace qtr::report {

// A text of a section body: `row` counts body-font line heights from the top of the body,
// `column` body-font average character widths from the left edge.
struct PlacedText {
    int row;
    int column;
    std::string text;
    bool operator==(const PlacedText&) const = default;
};

struct ReportPage {
    std::vector<PlacedText> texts;
};

// The pages of one printout with the frame they share. A printer, the preview, a PDF and
// the command line all draw this; a page's number is its position counted from 1.
struct Report {
    PageFrame frame;
    std::vector<ReportPage> pages;
};

// Section layout: title at column 15 of row 0, settings from row 2 with their label at
// column 20 and their value at 50; wide layouts add the columns 80 and 113.
constexpr int kTitleColumn = 15;
constexpr int kLabelColumn = 20;
constexpr int kValueColumn = 50;
constexpr int kFirstSettingRow = 2;
// What a value the editor shows nothing for prints.
constexpr const char* kEmptyValue = "------";

} // namespace qtr::report
