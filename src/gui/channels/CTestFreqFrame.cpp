#include "gui/channels/CTestFreqFrame.h"

#include "core/base/CommonMessages.h"
#include "core/app/Workspace.h"
#include "core/base/Prompter.h"
#include "core/channels/TestFrequencyTable.h"

#include <QCloseEvent>

namespace qtr::gui {

CTestFreqFrame::CTestFreqFrame(Workspace& app, HelpViewer& help)
    : EditorFrame(*new TestFrequencyView(app, help)), prompter_(app.prompter)
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
