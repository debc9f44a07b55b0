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
    case Answer::Yes:
        return 1001007;
    case Answer::No:
        return 1001009;
    case Answer::Ok:
        break;
    }
    return 1001001;
}

} // namespace qtr
