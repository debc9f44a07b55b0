#include "gui/document/ChannelListCommands.h"

#include "core/app/ChannelListImport.h"
#include "core/app/CommandIds.h"
#include "core/app/FileReport.h"
#include "core/app/Workspace.h"
#include "core/base/FilePicker.h"
#include "core/base/Prompter.h"
#include "core/base/messages/ChannelList.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Document.h"
#include "core/channels/ChannelCsv.h"
#include "core/document/DataFile.h"
#include "core/report/ImageComparison.h"
#include "gui/widgets/CommandWindow.h"
#include "gui/document/ComparisonDialog.h"
#include "gui/widgets/StatusReport.h"


namespace qtr::gui {

void ChannelListCommands::Register(CommandWindow& frame)
{
    auto* commands = new ChannelListCommands(frame);
    frame.RegisterCommand(command::kExportChannels, [commands](CommandWindow&) { commands->ExportChannels(); });
    frame.RegisterCommand(command::kImportChannels, [commands](CommandWindow&) { commands->ImportChannels(); });
    frame.RegisterCommand(command::kCompareWithFile, [commands](CommandWindow&) { commands->CompareWithFile(); });
}

ChannelListCommands::ChannelListCommands(CommandWindow& frame) : QObject(&frame), frame_(frame), app_(frame.App()) {}

void ChannelListCommands::Tell(int messageId, const std::string& detail, bool error)
{
    app_.prompter.Ask({.captionId = error ? messages::common::kErrorCaption : messages::common::kWarningCaption,
                       .messageId = messageId,
                       .detail = detail.empty() ? std::string() : "\n" + detail,
                       .form = PromptForm::MessageThenDetail,
                       .icon = error ? Icon::Error : Icon::Warning});
}

void ChannelListCommands::ExportChannels()
{
    const auto chosen = app_.picker.ChooseChannelListPath(true, app_.document.DataFolder());
    if (!chosen)
        return;
    const std::string path = WithChannelListExtension(*chosen);
    if (const auto failure = SaveFile(path, ExportChannelCsv(app_.state, app_.catalog)))
        return Tell(messages::channellist::kCannotWrite, path + ": " + *failure, true);
    ShowInStatusBar(frame_, FileReportText(app_.catalog, messages::channellist::kChannelsExported, path,
                                           app_.channels.ProgrammedCount()));
}

void ChannelListCommands::ImportChannels()
{
    const auto path = app_.picker.ChooseChannelListPath(false, app_.document.DataFolder());
    if (!path)
        return;
    ChannelCsvImport imported = ImportChannelCsvFile(*path, app_.state, app_.catalog);
    if (imported.RefusedAsEmpty()) {
        if (app_.prompter.Ask({.captionId = messages::common::kWarningCaption,
                               .messageId = messages::channellist::kClearAllQuestion,
                               .buttons = Buttons::YesNo,
                               .icon = Icon::Warning,
                               .defaultAnswer = Answer::No}) != Answer::Yes)
            return;
        imported = ImportChannelCsvFile(*path, app_.state, app_.catalog, true);
    }
    if (!imported.Imported())
        return Tell(messages::channellist::kNotImported, *path + "\n" + CsvProblemList(imported.problems, app_.catalog),
                    true);
    InstallImportedChannels(app_.state, imported);
    ShowInStatusBar(frame_, FileReportText(app_.catalog, messages::channellist::kChannelsImported, *path, imported.channels));
    if (!imported.corrections.empty())
        Tell(messages::channellist::kCorrected, CsvProblemList(imported.corrections, app_.catalog), false);
}

void ChannelListCommands::CompareWithFile()
{
    const auto path = app_.picker.ChooseOpenPath(app_.document.DataFolder());
    if (!path)
        return;
    const datafile::ReadResult other = datafile::Read(*path);
    if (other.error != datafile::ReadError::None) {
        const std::string reason = datafile::ReasonText(other, app_.catalog);
        return Tell(messages::channellist::kCannotRead, *path + (reason.empty() ? "" : "\n" + reason), true);
    }
    const ImageDifferences differences = CompareImages(app_.state.image, other.image, app_.catalog);
    if (differences.Empty()) {
        app_.prompter.Ask({.captionId = messages::document::kCompareTitle,
                           .messageId = messages::document::kSameFiles,
                           .icon = Icon::Information});
        return;
    }
    ComparisonDialog(app_.catalog, *path, differences, &frame_).exec();
}

} // namespace qtr::gui
