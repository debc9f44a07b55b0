#include "gui/features/VantalinkView.h"

#include "core/app/CommandIds.h"
#include "core/app/EditorTable.h"
#include "core/app/Workspace.h"

namespace qtr::gui {

VantalinkView::VantalinkView(Workspace& app, HelpViewer& help, QWidget* parent)
    : GridPageSettingsView(app, help, parent), form_(app.state, app.catalog)
{
    Build(form_.Form(), EditorOf(command::kVantalink), form_.FleetIdGrid(), VantalinkForm::kFleetIdPage);
}

} // namespace qtr::gui
