#pragma once

#include <QWidget>

namespace qtr {
struct EditorInfo;
class HelpViewer;
class Workspace;
namespace form {
class CodeGrid;
class SettingsForm;
} // namespace form
} // namespace qtr

namespace qtr::gui {

class CodeGridWidget;
class SettingsFormWidget;

// A settings window whose form has tab pages, one of them holding a code grid.
class GridPageSettingsView : public QWidget {
    Q_OBJECT
public:
    CodeGridWidget& GridWidget() const { return *grid_; }

protected:
    GridPageSettingsView(Workspace& app, HelpViewer& help, QWidget* parent);
    // Called once by the window, which owns the form and the grid.
    void Build(form::SettingsForm& form, const EditorInfo& editor, form::CodeGrid& grid, int gridPage);

private:
    Workspace& app_;
    HelpViewer& help_;
    SettingsFormWidget* formWidget_ = nullptr;
    CodeGridWidget* grid_ = nullptr;
};

} // namespace qtr::gui
