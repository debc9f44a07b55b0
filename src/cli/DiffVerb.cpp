#include "cli/CliContext.h"
#include "cli/Verb.h"

#include "core/report/ImageComparison.h"
#include "core/base/messages/Document.h"

#include <ostream>

namespace qtr::cli {

namespace {

constexpr int kDifferent = 1;
constexpr int kFailed = 2;

int CompareDataFiles(CliContext& context, const CliArguments& arguments)
{
    if (!context.Accepts(arguments, {}, 2, "two data files"))
        return kFailed;
    if (!context.LoadImage(arguments.Plain()[0]))
        return kFailed;
    const ImageBytes first = context.App().state.image;
    if (!context.LoadImage(arguments.Plain()[1]))
        return kFailed;
    const ImageDifferences differences = CompareImages(first, context.App().state.image, context.App().catalog);
    for (const std::string& line : DifferenceLines(differences, context.Text(messages::document::kEmptyValue)))
        context.Out() << line << '\n';
    return differences.Empty() ? 0 : kDifferent;
}

} // namespace

Verb verbs::Diff()
{
    return {"diff",
            "  qtr31x-cli diff A.dat B.dat\n"
            "      Prints every setting that differs, then bytes no setting covers; exit 0 when\n"
            "      the files are equal, 1 when they differ, 2 on an error.\n",
            CompareDataFiles, kFailed};
}

} // namespace qtr::cli
