#include "core/app/CloseSequence.h"

#include "core/app/Workspace.h"
#include "core/base/Prompter.h"
#include "core/base/ShellHooks.h"
#include "core/base/messages/App.h"
#include "core/base/messages/Common.h"

namespace qtr {

bool RunCloseSequence(Workspace& app)
{
    if (app.prompter.Ask({.captionId = messages::common::kQuestionCaption,
                          .messageId = messages::app::kExitQuestion,
                          .buttons = Buttons::YesNo,
                          .icon = Icon::Question,
                          .defaultAnswer = Answer::Yes}) != Answer::Yes)
        return false;
    app.shell.CloseHelpWindows();
    return app.document.AskSaveChanges() == Document::Flow::GoOn;
}

} // namespace qtr
