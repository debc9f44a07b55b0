#include "core/link/Retry.h"

#include "core/base/messages/Common.h"

namespace qtr {

Prompt CommunicationFailedQuestion()
{
    Prompt prompt;
    prompt.captionId = messages::common::kErrorCaption;
    prompt.messageId = kCommunicationFailedId;
    prompt.buttons = Buttons::RetryCancel;
    prompt.icon = Icon::Error;
    prompt.defaultAnswer = Answer::Retry;
    return prompt;
}

bool RetryUntilDone(const std::function<bool()>& exchange, const std::function<bool()>& again)
{
    while (!exchange()) {
        if (!again())
            return false;
    }
    return true;
}

} // namespace qtr
