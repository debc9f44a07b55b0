#pragma once

#include "core/base/Prompter.h"

#include <deque>
#include <functional>
#include <vector>

namespace qtr::test {

// Answers prompts from a queue (Ok when it runs dry) and records every prompt asked.
class ScriptedPrompter : public Prompter {
public:
    Answer Ask(const Prompt& prompt) override
    {
        asked.push_back(prompt);
        if (whileAsking)
            whileAsking();
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
    // What happens while the prompt is up, as a box's coming and going does.
    std::function<void()> whileAsking;
};

} // namespace qtr::test
