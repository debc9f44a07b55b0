#include "gui/features/GridPageSettingsView.h"

#include "gui/widgets/CodeGridWidget.h"
#include "gui/widgets/SettingsFormWidget.h"

#include <QVBoxLayout>

namespace qtr::gui {

GridPageSettingsView::GridPageSettingsView(Workspace& app, HelpViewer& help, QWidget* parent)
    : QWidget(parent), app_(app), help_(help)
{
}

void GridPageSettingsView::Build(form::SettingsForm& form, const EditorInfo& editor, form::CodeGrid& grid, int gridPage)
{
    formWidget_ = new SettingsFormWidget(form, editor, app_, help_, this);
    grid_ = new CodeGridWidget(grid, app_, help_, this);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(formWidget_);
    formWidget_->AddToPage(gridPage, *grid_);
    setFocusProxy(formWidget_);
}

} // namespace qtr::gui
