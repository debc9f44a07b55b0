#pragma once

#include "core/features/VantalinkForm.h"
#include "gui/features/GridPageSettingsView.h"

namespace qtr::gui {

// The Vantalink window: the radio's own settings page, and the fleet/ID grid.
class VantalinkView : public GridPageSettingsView {
    Q_OBJECT
public:
    VantalinkView(Workspace& app, HelpViewer& help, QWidget* parent = nullptr);

private:
    VantalinkForm form_;
};

} // namespace qtr::gui
