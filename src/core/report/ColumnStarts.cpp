#include "core/report/ColumnStarts.h"

#include <algorithm>
#include <vector>

namespace qtr::report {

namespace {

// The gap kept after a text, in average character widths.
constexpr double kGapCharacters = 2;

struct Predecessor {
    int column;
    int width;
};

// For each column, the texts that stand just before one of its texts in a row.
std::map<int, std::vector<Predecessor>> PredecessorsByColumn(const ReportPage& page, const TextWidth& textWidth)
{
    std::map<int, std::vector<const PlacedText*>> rows;
    for (const PlacedText& text : page.texts)
        rows[text.row].push_back(&text);
    std::map<int, std::vector<Predecessor>> predecessors;
    for (auto& [row, texts] : rows) {
        std::ranges::sort(texts, {}, &PlacedText::column);
        for (std::size_t i = 1; i < texts.size(); ++i)
            if (texts[i - 1]->column < texts[i]->column)
                predecessors[texts[i]->column].push_back({texts[i - 1]->column, textWidth(texts[i - 1]->text)});
    }
    return predecessors;
}

} // namespace

std::map<int, int> ColumnStarts(const ReportPage& page, double characterWidth, const TextWidth& textWidth)
{
    std::map<int, int> starts;
    for (const PlacedText& text : page.texts)
        starts[text.column] = static_cast<int>(text.column * characterWidth);
    const int gap = static_cast<int>(kGapCharacters * characterWidth);
    const auto predecessors = PredecessorsByColumn(page, textWidth);
    int previousStart = 0;
    for (auto& [column, start] : starts) {
        if (const auto found = predecessors.find(column); found != predecessors.end())
            for (const Predecessor& before : found->second)
                start = std::max(start, starts.at(before.column) + before.width + gap);
        start = std::max(start, previousStart);
        previousStart = start;
    }
    return starts;
}

} // namespace qtr::report
