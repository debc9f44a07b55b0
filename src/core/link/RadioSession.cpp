#include "core/link/RadioSession.h"
#include "core/model/ModelRecordText.h"

namespace qtr {

const MessageCatalog& RadioSession::NoTexts()
{
    static const MessageCatalog empty;
    return empty;
}

void RadioSession::BeginStep(const LinkStep& step)
{
    step_ = step;
    if (steps_ != nullptr)
        steps_->ShowStep(step);
}

bool RadioSession::OpenRadioPort()
{
    BeginStep({LinkStep::Phase::Opening, link_.Port().Port(), 0});
    link_.State().cancelled = false;
    if (link_.Port().SetOpen(1) == LinkResult::Done)
        return true;
    link_.Port().SetOpen(0);
    link_.State().cancelled = true;
    Prompt failure;
    failure.captionId = kErrorCaptionId;
    failure.messageId = kCannotOpenPortId;
    failure.icon = Icon::Error;
    failure.detail = "\n\n" + PortFailureText(link_.Port().OpenFailure(), catalog_);
    if (const std::string hint = link_.Port().OpenFailureHint(); !hint.empty())
        failure.detail += "\n\n" + hint;
    failure.form = PromptForm::MessageThenDetail;
    prompter_.Ask(failure);
    return false;
}

Answer RadioSession::Ask(int captionId, int messageId, Buttons buttons, Icon icon, Answer defaultAnswer,
                         const std::string& detail)
{
    Prompt prompt;
    prompt.captionId = captionId;
    prompt.messageId = messageId;
    prompt.buttons = buttons;
    prompt.icon = icon;
    prompt.defaultAnswer = defaultAnswer;
    if (!detail.empty()) {
        prompt.detail = detail;
        prompt.form = PromptForm::MessageThenDetail;
    }
    return Ask(prompt);
}

Answer RadioSession::Ask(const Prompt& prompt)
{
    // Asked to stop, the operation tries nothing again and asks nobody.
    if (prompt.buttons == Buttons::RetryCancel && link_.StopRequested())
        return Answer::Cancel;
    return prompter_.Ask(prompt);
}

std::string RadioSession::ModelsDetail(const RadioIdentity& radio, const RadioIdentity& data) const
{
    return "\n\n" + WithText(WithText(catalog_.MessageText(kTwoModelsId), ModelRecordText(radio)), ModelRecordText(data));
}

bool RadioSession::AskRetry()
{
    return Ask(CommunicationFailedQuestion()) == Answer::Retry;
}

bool RadioSession::RetryOrFinish()
{
    if (AskRetry())
        return true;
    FinishTransfer();
    return false;
}

bool RadioSession::Connect()
{
    const auto handshake = [this] {
        BeginStep({LinkStep::Phase::Connecting});
        return link_.Handshake() == LinkResult::Done;
    };
    return RetryUntilDone(handshake, [this] { return RetryOrFinish() && OpenRadioPort(); });
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
    link_.Port().SetOpen(0);
}

void RadioSession::Abandon()
{
    ClearDirection();
    link_.Port().WriteByte(wire::kEnd);
    link_.Port().SetOpen(0);
}

} // namespace qtr
