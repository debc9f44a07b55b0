#pragma once

#include "core/base/Prompter.h"

#include <vector>

namespace qtr {

// The answers a set of buttons offers, in the order the buttons stand.
std::vector<Answer> AnswersOf(Buttons buttons);
// The message that labels an answer's button.
int AnswerTextId(Answer answer);

} // namespace qtr
