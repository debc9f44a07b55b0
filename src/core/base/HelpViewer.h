#pragma once

namespace qtr {

// The seam through which windows ask for help: the desktop program shows the pages
// of the help folder, tests record the topics asked.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // A Help button: the topic numbered after the dialog, else the default topic.
    virtual void ShowHelpTopic(int topic) = 0;
    // F1 on a command, control or window: its own topic, else its fallback topic.
    virtual void ShowContextHelp(int id) = 0;
    // Help Topics: the default topic.
    virtual void ShowDefaultTopic() = 0;
    virtual void CloseHelpWindows() = 0;
};

} // namespace qtr
