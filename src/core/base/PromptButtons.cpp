#include "core/base/PromptButtons.h"

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
        return 1001003;
    case Answer::Retry:
        return 1001005;
    // Yes and No have button texts of their own, with access keys: 1001007 and 1001009
    // also name list entries, where an access key has no place.
    case Answer::Yes:
        return 3900200;
    case Answer::No:
        return 3900201;
    case Answer::Ok:
        break;
    }
    return 1001001;
}

} // namespace qtr
