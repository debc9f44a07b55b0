#include "core/app/CloseSequence.h"

#include "core/base/CommonMessages.h"

#include "core/app/Workspace.h"
#include "core/base/Prompter.h"
#include "core/base/ShellHooks.h"

namespace qtr {

namespace {

constexpr int kExitQuestion = 3003021;

} // namespace

bool RunCloseSequence(Workspace& app)
{
    if (app.prompter.Ask({.captionId = msg::kQuestionCaption,
                          .messageId = kExitQuestion,
                          .buttons = Buttons::YesNo,
                          .icon = Icon::Question,
                          .defaultAnswer = Answer::Yes}) != Answer::Yes)
        return false;
    app.shell.CloseHelpWindows();
    return app.document.AskSaveChanges() == Document::Flow::GoOn;
}

} // namespace qtr
