#pragma once

#include "gui/channels/TestFrequencyView.h"
#include "gui/channels/EditorFrame.h"

namespace qtr::gui {

// The child frame of the test frequencies: closing it after a change reminds the user
// that the radio's test mode uses the frequencies written into the radio.
class CTestFreqFrame : public EditorFrame {
    Q_OBJECT
public:
    CTestFreqFrame(Workspace& app, HelpViewer& help);

    TestFrequencyView& View() const { return static_cast<TestFrequencyView&>(ViewWidget()); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void WarnWhenChanged();

    Prompter& prompter_;
};

} // namespace qtr::gui
