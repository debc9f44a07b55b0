#include "RecordingHelp.h"
#include "gui/widgets/KeyboardFilter.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace qtr {
namespace {

using gui::KeyboardFilter;

// A window with two fields, a field in a group and a button, the filter made for it.
class KeyboardFilterTest : public ::testing::Test {
protected:
    KeyboardFilterTest()
    {
        auto* layout = new QVBoxLayout(&window);
        new QVBoxLayout(group);
        group->layout()->addWidget(grouped);
        for (QWidget* widget : std::initializer_list<QWidget*>{first, second, group, button})
            layout->addWidget(widget);
    }
    void Show()
    {
        window.show();
        QApplication::setActiveWindow(&window);
    }

    QWidget window;
    QLineEdit* first = new QLineEdit(&window);
    QLineEdit* second = new QLineEdit(&window);
    QGroupBox* group = new QGroupBox(&window);
    QLineEdit* grouped = new QLineEdit;
    QPushButton* button = new QPushButton(&window);
    test::RecordingHelp help;
    KeyboardFilter& keys = KeyboardFilter::Of(window, help);
};

TEST_F(KeyboardFilterTest, F1OpensTheHelpOfTheFocusedWidgetOrTheNearestAboveIt)
{
    int leftToTheWindow = 0;
    QObject::connect(new QShortcut(QKeySequence::HelpContents, &window), &QShortcut::activated,
                     [&] { ++leftToTheWindow; });
    Show();
    first->setFocus();
    QTest::keyClick(first, Qt::Key_F1); // no help anywhere yet: the shortcut's
    EXPECT_EQ(leftToTheWindow, 1);

    KeyboardFilter::SetHelpTopic(window, 10);
    KeyboardFilter::SetContextHelp(*group, 20);
    KeyboardFilter::SetHelpTopic(*second, 30);
    for (QWidget* focus : std::initializer_list<QWidget*>{first, second, grouped, button}) {
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_F1);
    }
    QTest::keyClick(&window, Qt::Key_F1); // sent to the window, for its focused field
    EXPECT_EQ(help.topics, (std::vector<int>{10, 30, -20, 10, 10}));
    EXPECT_EQ(leftToTheWindow, 1);
}

TEST_F(KeyboardFilterTest, EnterPressesAButtonOrMovesOnAsTheWindowAllows)
{
    for (QWidget* control : std::initializer_list<QWidget*>{first, second, button})
        keys.MoveOnEnter(*control);
    std::vector<QWidget*> told;
    keys.OnEnter([&](QWidget& control) {
        told.push_back(&control);
        return &control != second;
    });
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    Show();
    const struct {
        QWidget* control;
        Qt::Key key;
        QWidget* focusAfter;
    } cases[] = {
        {first, Qt::Key_Return, second},    // on as Tab goes
        {second, Qt::Key_Enter, second},    // the window keeps the focus there
        {grouped, Qt::Key_Return, grouped}, // not marked: not the filter's
        {button, Qt::Key_Return, button},   // pressed
    };
    for (const auto& each : cases) {
        each.control->setFocus();
        QTest::keyClick(each.control, each.key);
        EXPECT_EQ(window.focusWidget(), each.focusAfter) << "case " << &each - cases;
    }
    EXPECT_EQ(told, (std::vector<QWidget*>{first, second}));
    EXPECT_EQ(clicks, 1);
}

} // namespace
} // namespace qtr
