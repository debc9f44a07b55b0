#pragma once

#include "GuiHarness.h"
#include "TestImages.h"
#include "core/app/CommandIds.h"
#include "gui/program/HelpWindow.h"
#include "gui/widgets/SettingsFormWidget.h"
#include "gui/widgets/StepEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace qtr::test {

// The program with every window registered, on a chosen model, its settings windows
// typed into as a user would: keys go to whichever widget has the focus.
class FeatureWindowTest : public ::testing::Test {
protected:
    static constexpr int kLmrVhf = 0;
    static constexpr int kLmrUhfL = 3;
    static constexpr int kParlaneVhf = 4;
    static constexpr int kParlaneUhfL = 7;

    void SetUp() override
    {
        harness.Start();
        harness.RegisterWindows();
        QApplication::setActiveWindow(&Frame());
    }

    gui::MainWindow& Frame() { return harness.Frame(); }
    Workspace& App() { return harness.App(); }
    RadioState& State() { return App().state; }

    // The factory image of the model, as after New, with every editor closed.
    void UseModel(int modelType, std::uint8_t typeByte, bool fifteen = false)
    {
        Frame().CloseAllEditors();
        StartWithModel(State(), RecordFor(modelType, typeByte, fifteen));
        State().ChannelClassRow(typeByte);
        State().MarkSaved();
    }
    void UseFifteenChannelLmr() { UseModel(kLmrUhfL, 0x8B, true); }
    void UseSixteenChannelLmr() { UseModel(kLmrUhfL, 0x8B); }
    void UseFifteenChannelParlane() { UseModel(kParlaneUhfL, 0x8B, true); }

    // Opens the editor as its menu command does; gives its form.
    gui::SettingsFormWidget& Open(int commandId)
    {
        Frame().OnCommand(commandId);
        return FormOf(commandId);
    }
    gui::SettingsFormWidget& FormOf(int commandId)
    {
        return *Frame().EditorView(commandId)->findChild<gui::SettingsFormWidget*>();
    }

    QWidget* Focus()
    {
        if (!QApplication::focusWidget())
            QApplication::setActiveWindow(&Frame());
        return QApplication::focusWidget();
    }
    void Type(const QString& keys)
    {
        for (const QChar key : keys)
            QTest::keyClick(Focus(), key.toLatin1());
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(Focus(), key, modifiers); }
    // Puts the focus on a control with the text selected, as Tab does.
    void FocusOn(QWidget* control)
    {
        control->setFocus(Qt::TabFocusReason);
        if (auto* spin = qobject_cast<gui::StepEdit*>(control))
            spin->selectAll();
        else if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->selectAll();
    }
    // Types into the row's field and leaves it with Tab.
    void TypeInto(gui::SettingsFormWidget& form, int row, const QString& text)
    {
        FocusOn(form.Control(row));
        Type(text);
        Press(Qt::Key_Tab);
    }
    static QString TextOf(gui::SettingsFormWidget& form, int row)
    {
        QWidget* control = form.Control(row);
        if (auto* spin = qobject_cast<gui::StepEdit*>(control))
            return spin->Edit().text();
        if (auto* list = qobject_cast<QComboBox*>(control))
            return list->currentText();
        return static_cast<QLineEdit*>(control)->text();
    }
    static QStringList EntriesOf(gui::SettingsFormWidget& form, int row)
    {
        auto* list = static_cast<QComboBox*>(form.Control(row));
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries << list->itemText(i);
        return entries;
    }
    // Chooses a list entry with the mouse, as the user does.
    void Choose(gui::SettingsFormWidget& form, int row, int position)
    {
        auto* list = static_cast<QComboBox*>(form.Control(row));
        list->setFocus(Qt::MouseFocusReason);
        list->setCurrentIndex(position);
        emit list->activated(position);
    }
    void Click(gui::SettingsFormWidget& form, int row)
    {
        auto* box = static_cast<QCheckBox*>(form.Control(row));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->iconSize().width() / 2 + 2, box->height() / 2));
    }
    static bool RowShown(gui::SettingsFormWidget& form, int row) { return !form.Control(row)->isHidden(); }
    QString ShownHelpPage()
    {
        const gui::HelpWindow* help = harness.Program().Help().Window();
        return help ? QFileInfo(help->ShownPage()).fileName() : QString();
    }
    std::uint8_t Byte(std::size_t offset) { return State().image[offset]; }
    void SetByte(std::size_t offset, std::uint8_t value) { State().image[offset] = value; }

    GuiHarness harness;
};

} // namespace qtr::test
