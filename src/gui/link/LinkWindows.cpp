#include "gui/link/LinkWindows.h"

#include "gui/widgets/CommandWindow.h"
#include "core/app/CommandIds.h"
#include "core/app/Workspace.h"
#include "gui/widgets/CatalogText.h"
#include "core/link/LinkTexts.h"
#include "gui/link/CommPortDialog.h"
#include "gui/link/RadioInformationDialog.h"
#include "core/link/RadioInformationQuery.h"
#include "core/link/RadioSession.h"
#include "gui/link/TransferDialog.h"
#include "core/link/WriteReadiness.h"

namespace qtr::gui {

void LinkWindows::Register(CommandWindow& frame, RadioLink& link)
{
    auto* windows = new LinkWindows(frame, link);
    frame.RegisterCommand(command::kReadFromRadio,
                          [windows](CommandWindow&) { windows->Transfer(TransferDialogModel::Direction::Read); });
    frame.RegisterCommand(command::kWriteToRadio, [windows](CommandWindow&) { windows->WriteToRadio(); });
    frame.RegisterCommand(command::kRadioInformation, [windows](CommandWindow&) { windows->ShowRadioInformation(); });
    frame.RegisterCommand(command::kCommunicationPort, [windows](CommandWindow&) { windows->ChoosePort(); });
}

LinkWindows::LinkWindows(CommandWindow& frame, RadioLink& link) : QObject(&frame), frame_(frame), link_(link) {}

void LinkWindows::Transfer(TransferDialogModel::Direction direction)
{
    TransferDialog(frame_.App(), frame_.Help(), link_, direction, &frame_).exec();
}

void LinkWindows::WriteToRadio()
{
    Workspace& app = frame_.App();
    if (const auto refusal = WriteReadiness::Refusal(app.state.image, app.catalog))
        app.prompter.Ask(*refusal);
    else
        Transfer(TransferDialogModel::Direction::Write);
}

void LinkWindows::ShowRadioInformation()
{
    Workspace& app = frame_.App();
    RadioSession session(link_, app.prompter, app.catalog);
    if (const auto information = RadioInformationQuery(session).Run())
        RadioInformationDialog(*information, app.catalog, frame_.Help(), &frame_, SimulatedNote()).exec();
}

QString LinkWindows::SimulatedNote() const
{
    if (!link_.Port().IsSimulated(link_.Port().Port()))
        return {};
    return FromUtf8(PortDescription(link_.Port(), frame_.App().catalog));
}

void LinkWindows::ChoosePort()
{
    if (CommPortDialog(frame_.App(), frame_.Help(), link_, &frame_).exec() == QDialog::Accepted)
        frame_.ShowPortInStatusBar();
}

} // namespace qtr::gui
