#include "app/CloseSequence.h"

#include "app/CommonMessages.h"

#include "app/ProgrammerApp.h"
#include "app/Prompter.h"
#include "app/ShellHooks.h"

namespace qtr {

namespace {

constexpr int kExitQuestion = 3003021;

} // namespace

bool RunCloseSequence(ProgrammerApp& app)
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
