#pragma once

#include <QObject>
#include <QPointer>

namespace qtr::gui {

class CommandWindow;
class TreeViewWindow;

// View, Tree View: opens the tree view unless it is open. The tree goes with the editor
// windows when they are all closed, so it never lists the editors of a model gone since.
class TreeViewCommand : public QObject {
    Q_OBJECT
public:
    static void Register(CommandWindow& frame);

    explicit TreeViewCommand(CommandWindow& frame);

    // Null while the tree view is closed.
    TreeViewWindow* Window() const;

private:
    void Open();
    void Close();
    void Place();

    CommandWindow& frame_;
    QPointer<TreeViewWindow> window_;
};

} // namespace qtr::gui
