#include "core/base/PromptButtons.h"

#include "core/base/messages/Common.h"

namespace qtr {

std::vector<Answer> AnswersOf(Buttons buttons)
{
    switch (buttons) {
    case Buttons::OkCancel:
        return {Answer::Ok, Answer::Cancel};
    case Buttons::YesNo:
        return {Answer::Yes, Answer::No};
    case Buttons::YesNoCancel:
        return {Answer::Yes, Answer::No, Answer::Cancel};
    case Buttons::RetryCancel:
        return {Answer::Retry, Answer::Cancel};
    case Buttons::Ok:
        break;
    }
    return {Answer::Ok};
}

int AnswerTextId(Answer answer)
{
    switch (answer) {
    case Answer::Cancel:
        return messages::common::kCancel;
    case Answer::Retry:
        return messages::common::kRetry;
    // Yes and No have button texts of their own, with access keys: the plain Yes and No
    // also name list entries, where an access key has no place.
    case Answer::Yes:
        return messages::common::kYesButton;
    case Answer::No:
        return messages::common::kNoButton;
    case Answer::Ok:
        break;
    }
    return messages::common::kOk;
}

} // namespace qtr
