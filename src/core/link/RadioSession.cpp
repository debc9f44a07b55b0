#include "core/link/RadioSession.h"

namespace qtr {

bool RadioSession::OpenRadioPort()
{
    link_.State().cancelled = false;
    if (link_.SetOpen(1) != 0)
        return true;
    link_.SetOpen(0);
    link_.State().cancelled = true;
    Prompt failure;
    failure.captionId = kErrorCaptionId;
    failure.messageId = kCannotOpenPortId;
    failure.icon = Icon::Error;
    if (!link_.OpenFailureHint().empty()) {
        failure.detail = "\n\n" + link_.OpenFailureHint();
        failure.form = PromptForm::MessageThenDetail;
    }
    prompter_.Ask(failure);
    return false;
}

Answer RadioSession::Ask(int captionId, int messageId, Buttons buttons, Icon icon, Answer defaultAnswer)
{
    Prompt prompt;
    prompt.captionId = captionId;
    prompt.messageId = messageId;
    prompt.buttons = buttons;
    prompt.icon = icon;
    prompt.defaultAnswer = defaultAnswer;
    return prompter_.Ask(prompt);
}

bool RadioSession::AskRetry()
{
    return Ask(kErrorCaptionId, kCommunicationFailedId, Buttons::RetryCancel, Icon::Error, Answer::Retry) ==
           Answer::Retry;
}

bool RadioSession::Connect()
{
    while (link_.Handshake() != 0) {
        if (!AskRetry()) {
            FinishTransfer();
            return false;
        }
        if (!OpenRadioPort())
            return false;
    }
    return true;
}

void RadioSession::ClearDirection()
{
    link_.State().reading = false;
    link_.State().writing = false;
}

void RadioSession::FinishTransfer()
{
    ClearDirection();
    link_.EndProgramming();
    link_.SetOpen(0);
}

void RadioSession::Abandon()
{
    ClearDirection();
    link_.WriteByte(wire::kEnd);
    link_.SetOpen(0);
}

} // namespace qtr
