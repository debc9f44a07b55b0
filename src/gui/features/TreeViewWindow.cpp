#include "gui/features/TreeViewWindow.h"

#include "core/app/EditorTable.h"
#include "core/app/Workspace.h"
#include "core/base/HelpViewer.h"
#include "gui/widgets/CatalogText.h"
#include "gui/widgets/CommandWindow.h"
#include "core/base/messages/App.h"
#include "core/base/messages/Common.h"
#include "gui/features/TreeViewIcons.h"
#include "gui/widgets/KeyboardFilter.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qtr::gui {

namespace {

constexpr int kHelpTopic = 194;
constexpr int kCommandRole = Qt::UserRole;

} // namespace

TreeViewWindow::TreeViewWindow(CommandWindow& frame, HelpViewer& help)
    : QDialog(&frame), frame_(frame), tree_(new QTreeWidget(this)),
      close_(new QPushButton(CatalogText(frame.App().catalog, messages::common::kClose), this)),
      help_(new QPushButton(CatalogText(frame.App().catalog, messages::common::kHelp), this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(CatalogText(frame.App().catalog, messages::app::kTreeViewTitle, 1));
    tree_->setHeaderHidden(true);
    tree_->setIconSize(QSize(kTreeIconSize, kTreeIconSize));
    tree_->setExpandsOnDoubleClick(false);
    Fill();
    for (QPushButton* button : {close_, help_})
        button->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(close_);
    buttons->addWidget(help_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tree_);
    layout->addLayout(buttons);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, &TreeViewWindow::Activate);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    connect(help_, &QPushButton::clicked, this, [&help] { help.ShowHelpTopic(kHelpTopic); });
    KeyboardFilter& keys = KeyboardFilter::Of(*this, help);
    KeyboardFilter::SetHelpTopic(*this, kHelpTopic);
    // Enter on a button presses it; on the tree it opens the selected editor and stays.
    for (QWidget* control : std::initializer_list<QWidget*>{tree_, close_, help_})
        keys.MoveOnEnter(*control);
    keys.OnEnter([this](QWidget&) {
        Activate(tree_->currentItem());
        return false;
    });
}

void TreeViewWindow::Fill()
{
    Workspace& app = frame_.App();
    auto* root = new QTreeWidgetItem(tree_, {FromUtf8(app.state.ModelName())});
    root->setIcon(0, TreeModelIcon());
    for (const EditorInfo& editor : ListedEditors(app.state.LineLetter())) {
        auto* item = new QTreeWidgetItem(root, {CatalogText(app.catalog, editor.titleId, 1)});
        item->setIcon(0, TreeEditorIcon());
        item->setData(0, kCommandRole, editor.commandId);
    }
    root->setExpanded(true);
    tree_->setCurrentItem(root);
}

void TreeViewWindow::Activate(QTreeWidgetItem* item)
{
    const int commandId = item ? item->data(0, kCommandRole).toInt() : 0;
    if (commandId == 0)
        return;
    frame_.OnCommand(commandId);
    activateWindow();
    tree_->setFocus(Qt::OtherFocusReason);
}

} // namespace qtr::gui
