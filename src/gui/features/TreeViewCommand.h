#pragma once

#include <QObject>
#include <QPointer>

namespace qtr::gui {

class MainWindow;
class TreeViewWindow;

// View, Tree View: opens the tree view unless it is open. The tree goes with the editor
// windows when they are all closed, so it never lists the editors of a model gone since.
class TreeViewCommand : public QObject {
    Q_OBJECT
public:
    static void Register(MainWindow& frame);

    explicit TreeViewCommand(MainWindow& frame);

    // Null while the tree view is closed.
    TreeViewWindow* Window() const;

private:
    void Open();
    void Close();
    void Place();

    MainWindow& frame_;
    QPointer<TreeViewWindow> window_;
};

} // namespace qtr::gui
