#pragma once

#include "core/features/DtmfForm.h"
#include "gui/features/GridPageSettingsView.h"

namespace qtr::gui {

// The DTMF window: timing and identity pages, and the autodial memory grid.
class DtmfView : public GridPageSettingsView {
    Q_OBJECT
public:
    DtmfView(Workspace& app, HelpViewer& help, QWidget* parent = nullptr);

private:
    DtmfForm form_;
};

} // namespace qtr::gui
