#include "gui/features/DtmfView.h"

#include "core/app/CommandIds.h"
#include "core/app/EditorTable.h"
#include "core/app/Workspace.h"

namespace qtr::gui {

DtmfView::DtmfView(Workspace& app, HelpViewer& help, QWidget* parent)
    : GridPageSettingsView(app, help, parent), form_(app.state, app.catalog)
{
    Build(form_.Form(), EditorOf(command::kDtmf), form_.AutodialGrid(), DtmfForm::kAutodialPage);
}

} // namespace qtr::gui
