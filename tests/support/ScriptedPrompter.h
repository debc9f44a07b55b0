#pragma once

#include "core/base/Prompter.h"

#include <deque>
#include <vector>

namespace qtr::test {

// Answers prompts from a queue (Ok when it runs dry) and records every prompt asked.
class ScriptedPrompter : public Prompter {
public:
    Answer Ask(const Prompt& prompt) override
    {
        asked.push_back(prompt);
        if (answers.empty())
            return Answer::Ok;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<int> AskedIds() const
    {
        std::vector<int> ids;
        for (const auto& prompt : asked)
            ids.push_back(prompt.messageId);
        return ids;
    }

    std::deque<Answer> answers;
    std::vector<Prompt> asked;
};

} // namespace qtr::test
