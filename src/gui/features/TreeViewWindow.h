#pragma once

#include <QDialog>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace qtr {
class HelpViewer;
} // namespace qtr

namespace qtr::gui {

class CommandWindow;

// The Tree View: a small modeless window listing the model's editors under the model's
// name. A double click or Enter on an editor opens it (or brings it to the front) through
// the main window's command, and the focus comes back to the tree.
class TreeViewWindow : public QDialog {
    Q_OBJECT
public:
    TreeViewWindow(CommandWindow& frame, HelpViewer& help);

    QTreeWidget& Tree() const { return *tree_; }
    QPushButton& CloseButton() const { return *close_; }
    QPushButton& HelpButton() const { return *help_; }

private:
    void Fill();
    void Activate(QTreeWidgetItem* item);

    CommandWindow& frame_;
    QTreeWidget* tree_;
    QPushButton* close_;
    QPushButton* help_;
};

} // namespace qtr::gui
