#include "cli/CliContext.h"
#include "cli/Verb.h"

#include "core/base/PrintableText.h"
#include "core/channels/ChannelGridText.h"
#include "core/document/DataFile.h"
#include "core/model/FrequencyCodec.h"
#include "core/model/TestFrequencyFields.h"
#include "core/base/messages/Channels.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/EmbeddedMessage.h"
#include "core/base/messages/Model.h"

#include <iomanip>
#include <ostream>

namespace qtr::cli {

namespace {

// The grid labels its free-area field with a fixed layout text, not a message.
constexpr const char* kFreeAreaLabel = "Free Area (Bytes)";

void ShowChannels(CliContext& context)
{
    Workspace& app = context.App();
    std::ostream& out = context.Out();
    const auto& columns = GridColumns(app.state.IsParlane());
    out << '\n' << std::left << std::setw(8) << context.Text(messages::common::kChannelWord);
    for (const auto& column : columns)
        out << " | " << context.Text(column.headerId);
    out << '\n';
    const int count = app.state.SlotCount();
    for (int slot = 0; slot < count; ++slot) {
        if (!app.channels.IsProgrammed(slot))
            continue;
        out << std::left << std::setw(8) << GridRowLabel(slot, count);
        for (const auto& column : columns)
            out << " | " << GridCellText(app.channels, app.codec, app.catalog, slot, column.field);
        out << '\n';
    }
    out << '\n';
}

void ShowTestFrequencies(CliContext& context)
{
    const ImageReader image = context.App().state.Reader();
    for (int entry = 0; entry < testfreq::kEntryCount; ++entry) {
        const std::size_t base = testfreq::EntryOf(entry).offset;
        const std::string first = FrequencyCodec::FormatFrequency(image.Data(testfreq::entry::kReceiveFrequency.At(base)));
        const std::string second = FrequencyCodec::FormatFrequency(image.Data(testfreq::entry::kTransmitFrequency.At(base)));
        if (first.empty() && second.empty())
            continue;
        context.Line(context.Text(messages::channels::kTestFrequencyTitle) + " " + std::to_string(entry + 1), first + " / " + second);
    }
}

void ShowEmbeddedMessage(CliContext& context)
{
    const ImageBytes& image = context.App().state.image;
    const auto preview = datafile::PreviewMessage(datafile::Build(image, datafile::MagicFor(image)));
    // The file may hold any bytes there.
    context.Line(context.Text(messages::embedded::kTitle), preview.first.empty() && preview.second.empty()
                                                       ? ""
                                                       : PrintableText(preview.first) + " / " + PrintableText(preview.second));
}

int ShowDataFile(CliContext& context, const CliArguments& arguments)
{
    if (!context.Accepts(arguments, {}, 1, "exactly one FILE"))
        return 1;
    if (!context.LoadImage(arguments.Plain().front()))
        return 1;
    Workspace& app = context.App();
    const int model = app.state.ModelTypeOfRecord(app.state.currentModel);
    context.Line(context.Text(messages::model::kModelType), model < 0 ? "?" : ModelTable()[static_cast<std::size_t>(model)].printedName);
    context.Line(context.Text(messages::model::kNumberOfChannels), std::to_string(app.state.SlotCount()));
    ShowChannels(context);
    context.Line(kFreeAreaLabel, std::to_string(app.channels.FreeBytes()));
    ShowTestFrequencies(context);
    ShowEmbeddedMessage(context);
    return 0;
}

} // namespace

Verb verbs::Show()
{
    return {"show",
            "  qtr31x-cli show FILE\n"
            "      Prints the model, the programmed channels and the other settings of a data file.\n",
            ShowDataFile};
}

} // namespace qtr::cli
