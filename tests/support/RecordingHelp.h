#pragma once

#include "core/base/HelpViewer.h"

#include <vector>

namespace qtr::test {

// Help that records what it was asked: a topic as itself, a context id negated.
class RecordingHelp : public HelpViewer {
public:
    void ShowHelpTopic(int topic) override { topics.push_back(topic); }
    void ShowContextHelp(int id) override { topics.push_back(-id); }
    void ShowDefaultTopic() override {}
    void CloseHelpWindows() override {}
    std::vector<int> topics;
};

} // namespace qtr::test
