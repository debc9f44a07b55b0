#pragma once

#include "core/app/HelpLookup.h"
#include "core/base/HelpViewer.h"
#include "gui/program/HelpWindow.h"

#include <QPointer>

namespace qtr {
class HelpFile;
class MessageCatalog;
class Prompter;
} // namespace qtr

namespace qtr::gui {

// Help in the desktop program: one help window over the pages of the help folder,
// or a message naming the folder when it is missing.
class QtHelpViewer : public HelpViewer {
public:
    QtHelpViewer(const HelpFile& help, const MessageCatalog& catalog, Prompter& prompter);
    ~QtHelpViewer() override;

    void ShowHelpTopic(int topic) override;
    void ShowContextHelp(int id) override;
    void ShowDefaultTopic() override;
    void CloseHelpWindows() override;

    HelpWindow* Window() const { return window_; }

private:
    void Show(const HelpPage& page);

    const HelpFile& help_;
    const MessageCatalog& catalog_;
    Prompter& prompter_;
    QPointer<HelpWindow> window_;
};

} // namespace qtr::gui
