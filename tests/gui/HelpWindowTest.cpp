#include "GuiHarness.h"

#include "gui/program/HelpWindow.h"
#include "gui/program/QtHelpViewer.h"

#include <QDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QWindow>

#include <gtest/gtest.h>

namespace qtr {
namespace {

using test::GuiHarness;

// Help is driven through its window's own events, as the window system delivers them:
// a modal dialog drops those of every window it blocks.
class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override { harness.Start(); }

    gui::HelpWindow* Help() { return harness.Program().Help().Window(); }
    QString Page() { return QFileInfo(Help()->ShownPage()).fileName(); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QApplication::setActiveWindow(Help());
        QTest::keyClick(Help()->windowHandle(), key, modifiers);
    }
    void Click(QPushButton& button)
    {
        QTest::mouseClick(Help()->windowHandle(), Qt::LeftButton, {},
                          button.mapTo(Help(), button.rect().center()));
    }
    // Runs `use` with a modal dialog of the main window open, then closes the dialog.
    void WithModalDialog(const std::function<void(QDialog&)>& use)
    {
        QDialog dialog(&harness.Frame());
        test::WhenModal([&](QWidget&) {
            use(dialog);
            dialog.reject();
        });
        dialog.exec();
    }

    GuiHarness harness;
};

TEST_F(HelpWindowTest, LinksBackForwardScrollingAndEscapeWorkWhileAModalDialogIsOpen)
{
    bool closedByEscape = false;
    WithModalDialog([&](QDialog&) {
        harness.Program().Help().ShowDefaultTopic();
        ASSERT_NE(Help(), nullptr);
        EXPECT_FALSE(Help()->BackButton().isEnabled());

        Help()->Browser().setFocus();
        Key(Qt::Key_Tab); // the first link
        Key(Qt::Key_Return);
        EXPECT_EQ(Page(), "130.html");
        Key(Qt::Key_Left, Qt::AltModifier);
        EXPECT_EQ(Page(), "index.html");
        Click(Help()->ForwardButton());
        EXPECT_EQ(Page(), "130.html");
        Click(Help()->BackButton());
        EXPECT_EQ(Page(), "index.html");
        Key(Qt::Key_Right, Qt::AltModifier);
        EXPECT_EQ(Page(), "130.html");

        Help()->resize(300, 120);
        Help()->ShowPage(Help()->ShownPage().replace("130.html", "index.html"));
        QScrollBar& scroll = *Help()->Browser().verticalScrollBar();
        Help()->Browser().setFocus();
        Key(Qt::Key_PageDown);
        EXPECT_GT(scroll.value(), 0);

        Key(Qt::Key_Escape);
        QCoreApplication::processEvents();
        closedByEscape = Help() == nullptr || !Help()->isVisible();
    });
    EXPECT_TRUE(closedByEscape);
}

TEST_F(HelpWindowTest, HelpOpenedOverADialogStaysOpenWhenTheDialogCloses)
{
    WithModalDialog([&](QDialog&) { harness.Program().Help().ShowHelpTopic(130); });
    QCoreApplication::processEvents();
    ASSERT_NE(Help(), nullptr);
    EXPECT_TRUE(Help()->isVisible());
    EXPECT_EQ(Help()->parentWidget(), nullptr);
    Key(Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(Help(), nullptr);
}

} // namespace
} // namespace qtr
