#include "cli/CliProgram.h"

#include "core/report/ImageComparison.h"

#include <ostream>

namespace qtr::cli {

namespace {

constexpr int kEmptyValueId = 3900805;
constexpr int kDifferent = 1;
constexpr int kFailed = 2;

} // namespace

int CliProgram::Diff(const CliArguments& arguments)
{
    if (!Accepts(arguments, {}, 2, "two data files"))
        return kFailed;
    if (!LoadImage(arguments.Plain()[0]))
        return kFailed;
    const ImageBytes first = app_.state.image;
    if (!LoadImage(arguments.Plain()[1]))
        return kFailed;
    const ImageDifferences differences = CompareImages(first, app_.state.image, app_.catalog);
    for (const std::string& line : DifferenceLines(differences, Text(kEmptyValueId)))
        out_ << line << '\n';
    return differences.Empty() ? 0 : kDifferent;
}

} // namespace qtr::cli
