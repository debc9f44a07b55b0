#pragma once

#include "core/report/Report.h"

#include <optional>
#include <string>

class QPagedPaintDevice;

namespace qtr::pages {

// Draws every page of a report, frame and body, on a printer, the print preview or a PDF
// writer: the one drawing the three share. False when the device refused a page.
bool PaintReport(const report::Report& report, QPagedPaintDevice& device);

// Writes the report as a PDF file of A4 pages (landscape when asked). The file appears
// whole or not at all: it is written beside the target and renamed over it. The reason
// when it cannot be written.
std::optional<std::string> WriteReportPdf(const report::Report& report, const std::string& path, bool landscape);

} // namespace qtr::pages
