#pragma once

// The message identifiers of printing, print preview and PDF output (Common.h says which header
// names an id).
namespace qtr::messages::print {

constexpr int kListTitle = 3008001;
constexpr int kSelectAll = 3008003;
constexpr int kAllClear = 3008005;
constexpr int kPrintSetup = 3012059;
constexpr int kPageTitle = 3018023;
constexpr int kPrinterFailed = 3900701;
constexpr int kPdfFailed = 3900702;
constexpr int kPdfFilter = 3900703;
constexpr int kPrintCancelled = 3900704;
constexpr int kPdfWritten = 3900869;

} // namespace qtr::messages::print
