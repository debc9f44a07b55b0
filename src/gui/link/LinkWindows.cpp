#include "link/LinkWindows.h"

#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "app/ProgrammerApp.h"
#include "link/CommPortDialog.h"
#include "link/RadioInformationDialog.h"
#include "link/RadioInformationQuery.h"
#include "link/RadioSession.h"
#include "link/TransferDialog.h"
#include "link/WriteReadiness.h"

namespace qtr::gui {

void LinkWindows::Register(CMainFrame& frame, RadioLink& link)
{
    auto* windows = new LinkWindows(frame, link);
    frame.RegisterCommand(command::kReadFromRadio,
                          [windows](CMainFrame&) { windows->Transfer(TransferDialogModel::Direction::Read); });
    frame.RegisterCommand(command::kWriteToRadio, [windows](CMainFrame&) { windows->WriteToRadio(); });
    frame.RegisterCommand(command::kRadioInformation, [windows](CMainFrame&) { windows->ShowRadioInformation(); });
    frame.RegisterCommand(command::kCommunicationPort, [windows](CMainFrame&) { windows->ChoosePort(); });
}

LinkWindows::LinkWindows(CMainFrame& frame, RadioLink& link) : QObject(&frame), frame_(frame), link_(link) {}

void LinkWindows::Transfer(TransferDialogModel::Direction direction)
{
    TransferDialog(frame_.App(), frame_.Help(), link_, direction, &frame_).exec();
}

void LinkWindows::WriteToRadio()
{
    ProgrammerApp& app = frame_.App();
    if (const auto refusal = WriteReadiness::Refusal(app.state.image, app.catalog))
        app.prompter.Ask(*refusal);
    else
        Transfer(TransferDialogModel::Direction::Write);
}

void LinkWindows::ShowRadioInformation()
{
    ProgrammerApp& app = frame_.App();
    RadioSession session(link_, app.prompter);
    if (const auto information = RadioInformationQuery(session).Run())
        RadioInformationDialog(*information, app.catalog, frame_.Help(), &frame_).exec();
}

void LinkWindows::ChoosePort()
{
    if (CommPortDialog(frame_.App(), frame_.Help(), link_, &frame_).exec() == QDialog::Accepted)
        frame_.ShowPortInStatusBar();
}

} // namespace qtr::gui
