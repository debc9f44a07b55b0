#include "FeatureWindowTest.h"

#include "gui/widgets/EditorSubWindow.h"
#include "gui/widgets/MdiClientArea.h"
#include "core/base/messages/App.h"
#include "core/base/messages/Channels.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Dtmf.h"
#include "core/base/messages/EmbeddedMessage.h"
#include "core/base/messages/Keys.h"
#include "core/base/messages/Options.h"
#include "core/base/messages/Scan.h"
#include "core/base/messages/Vantalink.h"
#include "gui/features/TreeViewWindow.h"

#include <QMdiSubWindow>
#include <QPushButton>
#include <QTreeWidget>

namespace qtr {
namespace {

// The Tree View on both model lines: what it lists, the editors it opens, and when it goes.
class TreeViewTest : public test::FeatureWindowTest {
protected:
    gui::TreeViewWindow* Tree() { return Frame().findChild<gui::TreeViewWindow*>(); }
    gui::TreeViewWindow& OpenTree()
    {
        Frame().OnCommand(command::kTreeView);
        return *Tree();
    }
    static QTreeWidgetItem* Root(gui::TreeViewWindow& tree) { return tree.Tree().topLevelItem(0); }
    static QStringList EditorNames(gui::TreeViewWindow& tree)
    {
        QStringList names;
        for (int i = 0; i < Root(tree)->childCount(); ++i)
            names << Root(tree)->child(i)->text(0);
        return names;
    }
    QTreeWidgetItem* Item(gui::TreeViewWindow& tree, int titleId)
    {
        const QString name = QString::fromUtf8(App().catalog.MessageText(titleId, 1));
        const auto found = tree.Tree().findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }
    // The first click selects, the second one opens, as a user's double click does.
    static void DoubleClick(gui::TreeViewWindow& tree, QTreeWidgetItem* item)
    {
        const QPoint centre = tree.Tree().visualItemRect(item).center();
        QTest::mouseClick(tree.Tree().viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(tree.Tree().viewport(), Qt::LeftButton, {}, centre);
    }
    QWidget* ActiveEditorView()
    {
        auto* active = Frame().ClientArea()->activeSubWindow();
        return active ? Frame().EditorView(static_cast<gui::EditorSubWindow*>(active)->CommandId()) : nullptr;
    }
    QString Text(int id) { return QString::fromUtf8(App().catalog.MessageText(id, 1)); }
    void Closed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

TEST_F(TreeViewTest, TheModelsEditorsAreListedUnderItsName)
{
    UseModel(kParlaneVhf, 0x10);
    auto& parlane = OpenTree();
    EXPECT_EQ(parlane.windowTitle(), Text(messages::app::kTreeViewTitle));
    EXPECT_EQ(Root(parlane)->text(0), QString::fromStdString(State().ModelName()));
    EXPECT_TRUE(Root(parlane)->isExpanded());
    EXPECT_EQ(EditorNames(parlane),
              (QStringList{Text(messages::channels::kInformationTitle), Text(messages::options::kTitle),
                           Text(messages::keys::kTitle), Text(messages::scan::kTitle),
                           Text(messages::channels::kTestFrequencyTitle), Text(messages::embedded::kTitle)}));
    EXPECT_EQ(parlane.Tree().iconSize(), QSize(15, 15));
    EXPECT_FALSE(Root(parlane)->icon(0).isNull());
    EXPECT_FALSE(Root(parlane)->child(0)->icon(0).isNull());
    EXPECT_EQ(parlane.CloseButton().text(), QString::fromUtf8(App().catalog.MessageText(messages::common::kClose)));

    UseModel(kLmrVhf, 0x15); // all editors close, the tree with them
    Closed();
    EXPECT_EQ(Tree(), nullptr);
    auto& lmr = OpenTree();
    EXPECT_EQ(Root(lmr)->text(0), QString::fromStdString(State().ModelName()));
    EXPECT_EQ(EditorNames(lmr),
              (QStringList{Text(messages::channels::kInformationTitle), Text(messages::options::kTitle),
                           Text(messages::keys::kTitle), Text(messages::scan::kTitle), Text(messages::dtmf::kName),
                           Text(messages::vantalink::kName), Text(messages::channels::kTestFrequencyTitle),
                           Text(messages::embedded::kTitle)}));
}

TEST_F(TreeViewTest, ADoubleClickOpensTheEditorOrBringsItToTheFrontAndTheFocusComesBack)
{
    UseModel(kLmrVhf, 0x15);
    auto& tree = OpenTree();
    QApplication::setActiveWindow(&tree);
    DoubleClick(tree, Item(tree, messages::keys::kTitle));
    QWidget* keys = Frame().EditorView(command::kKeyAssignment);
    ASSERT_NE(keys, nullptr);
    EXPECT_EQ(ActiveEditorView(), keys);
    EXPECT_EQ(QApplication::focusWidget(), &tree.Tree());
    Frame().OnCommand(command::kScanInformation);
    EXPECT_NE(ActiveEditorView(), keys);
    const int open = Frame().ChildWindowCount();
    DoubleClick(tree, Item(tree, messages::keys::kTitle));
    EXPECT_EQ(ActiveEditorView(), keys);
    EXPECT_EQ(Frame().EditorView(command::kKeyAssignment), keys);
    EXPECT_EQ(Frame().ChildWindowCount(), open);

    DoubleClick(tree, Item(tree, messages::dtmf::kName)); // DTMF, offered on LMR models
    EXPECT_NE(Frame().EditorView(command::kDtmf), nullptr);
    DoubleClick(tree, Root(tree)); // the model carries no command
    EXPECT_EQ(Frame().ChildWindowCount(), open + 1);
}

TEST_F(TreeViewTest, EnterOpensTheSelectedEditorAndPressesTheButtonWithTheFocus)
{
    UseModel(kParlaneVhf, 0x10);
    auto& tree = OpenTree();
    QApplication::setActiveWindow(&tree);
    tree.Tree().setFocus();
    tree.Tree().setCurrentItem(Item(tree, messages::embedded::kTitle));
    QTest::keyClick(&tree.Tree(), Qt::Key_Return);
    ASSERT_NE(Frame().EditorView(command::kEmbeddedMessage), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), &tree.Tree());
    tree.HelpButton().setFocus();
    QTest::keyClick(&tree.HelpButton(), Qt::Key_Return);
    EXPECT_EQ(ShownHelpPage(), "194.html");
    EXPECT_EQ(Tree(), &tree);
    tree.CloseButton().setFocus();
    QTest::keyClick(&tree.CloseButton(), Qt::Key_Return);
    Closed();
    EXPECT_EQ(Tree(), nullptr);
    auto& again = OpenTree();
    QTest::keyClick(&again.Tree(), Qt::Key_Escape); // closes as Close does
    Closed();
    EXPECT_EQ(Tree(), nullptr);
}

TEST_F(TreeViewTest, TreeViewOpensOneTreeAndCloseAllWindowsClosesIt)
{
    auto& tree = OpenTree();
    Frame().OnCommand(command::kTreeView);
    EXPECT_EQ(Frame().findChildren<gui::TreeViewWindow*>().size(), 1);
    EXPECT_EQ(Tree(), &tree);
    EXPECT_TRUE(tree.isVisible());
    Frame().OnCommand(command::kCloseAllWindows);
    Closed();
    EXPECT_EQ(Tree(), nullptr);
    Frame().OnCommand(command::kTreeView); // closed, so it opens again
    ASSERT_NE(Tree(), nullptr);
    Frame().OnCommand(command::kNew); // a new image closes it too
    Closed();
    EXPECT_EQ(Tree(), nullptr);
}

} // namespace
} // namespace qtr
