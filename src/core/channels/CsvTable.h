#pragma once

#include "core/channels/CsvProblem.h"

#include <string>
#include <vector>

namespace qtr {

// A comma- or semicolon-separated text read into a header and rows of fields, as
// spreadsheets and other radio tools write it: UTF-8 with or without a byte-order mark,
// CRLF or LF line ends, fields in double quotes with "" for a quote.
struct CsvTable {
    std::vector<std::string> header;
    struct Row {
        int line = 0;
        std::vector<std::string> fields;
    };
    std::vector<Row> rows;
    std::vector<CsvProblem> problems;
    // The line of the first row past the most rows asked for, where reading stopped; 0 when
    // the whole text was read.
    int stoppedAt = 0;

    // The position of a column by its name (case as written), or -1.
    int Column(const std::string& name) const;

    static CsvTable Parse(const std::string& text, std::size_t mostRows);
    // One line of fields separated by commas, quoted where a field needs it, ending in CRLF.
    static std::string Line(const std::vector<std::string>& fields);
};

} // namespace qtr
