#include "channels/CTestFreqFrame.h"

#include "app/CommonMessages.h"
#include "app/ProgrammerApp.h"
#include "app/Prompter.h"
#include "channels/TestFrequencyTable.h"

#include <QCloseEvent>

namespace qtr::gui {

CTestFreqFrame::CTestFreqFrame(ProgrammerApp& app, HelpViewer& help)
    : EditorFrame(*new CTestFreqView(app, help)), prompter_(app.prompter)
{
}

void CTestFreqFrame::WarnWhenChanged()
{
    View().FinishEdit();
    if (View().Changed())
        prompter_.Ask({.captionId = msg::kWarningCaption,
                       .messageId = TestFrequencyTable::kChangedWarning,
                       .icon = Icon::Warning});
}

void CTestFreqFrame::closeEvent(QCloseEvent* event)
{
    if (!ClosingWithProgram())
        WarnWhenChanged();
    EditorFrame::closeEvent(event);
}

} // namespace qtr::gui
