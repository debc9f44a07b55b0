#pragma once

#include "GuiHarness.h"
#include "TestImages.h"
#include "core/app/CommandIds.h"
#include "gui/widgets/MdiClientArea.h"
#include "gui/channels/ChannelFormView.h"
#include "gui/channels/ChannelGridView.h"
#include "gui/channels/ChannelWindows.h"
#include "core/model/ModelDefaults.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>

#include <gtest/gtest.h>

namespace qtr::test {

// The program with the channel windows registered, on a model whose channels are all
// empty, typed into as a user would: keys go to whichever widget has the focus.
class ChannelWindowTest : public ::testing::Test {
protected:
    static constexpr int kLmrVhf = 0;
    static constexpr int kLmrUhfL = 3;
    static constexpr int kParlaneVhf = 4;

    void SetUp() override
    {
        harness.Start();
        harness.RegisterWindows();
        QApplication::setActiveWindow(&harness.Frame());
    }

    gui::MainWindow& Frame() { return harness.Frame(); }
    Workspace& App() { return harness.App(); }

    // Channel Information on an empty radio of the model, as after New.
    gui::ChannelGridView& OpenGrid(int modelType = kLmrVhf, std::uint8_t typeByte = 0x15, bool fifteen = false)
    {
        Frame().CloseAllEditors();
        StartWithModel(App().state, RecordFor(modelType, typeByte, fifteen));
        ClearChannels(App().state);
        App().state.MarkSaved();
        Frame().OnCommand(command::kChannelInformation);
        Grid().Grid().setFocus();
        return Grid();
    }
    gui::ChannelGridView& Grid()
    {
        return *static_cast<gui::ChannelGridView*>(Frame().EditorView(command::kChannelInformation));
    }
    gui::ChannelFormView& OpenForm()
    {
        Frame().OnCommand(command::kChannelEdit);
        return Form();
    }
    gui::ChannelFormView& Form()
    {
        return *static_cast<gui::ChannelFormView*>(Frame().EditorView(command::kChannelEdit));
    }

    // The offscreen platform does not give the main window back its activation when a
    // dialog closes, as a desktop does.
    QWidget* Focus()
    {
        if (!QApplication::focusWidget())
            QApplication::setActiveWindow(&Frame());
        QWidget* focus = QApplication::focusWidget();
        if (!focus)
            throw std::logic_error("no widget has the focus");
        return focus;
    }
    void Type(const QString& keys)
    {
        for (const QChar key : keys)
            QTest::keyClick(Focus(), key.toLatin1());
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(Focus(), key, modifiers);
    }
    // Clicks a cell of the grid (row 1 is channel 1).
    void Click(int row, int column)
    {
        auto& grid = Grid().Grid();
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                          grid.visualItemRect(grid.item(row - 1, column)).center());
    }
    QString Cell(int row, int column) { return Grid().Grid().Text({row, column}); }
    GridCell Current() { return Grid().Grid().Current(); }
    std::uint8_t Byte(std::size_t offset) { return App().state.image[offset]; }
    std::uint8_t RecordByte(int slot, std::size_t position) { return Byte(16 + 16 * static_cast<std::size_t>(slot) + position); }
    std::uint16_t RecordWord(int slot, std::size_t position)
    {
        return static_cast<std::uint16_t>(RecordByte(slot, position) | RecordByte(slot, position + 1) << 8);
    }
    // Types a channel into an empty grid row: receive frequency and, for a duplex channel, transmit.
    void TypeChannel(int row, const QString& receive, const QString& transmit = {})
    {
        Grid().Grid().SetCurrent({row, 1});
        Type(receive);
        Press(Qt::Key_Return);
        if (transmit.isEmpty())
            return;
        Grid().Grid().SetCurrent({row, 2});
        Press(Qt::Key_Delete);
        Type(transmit);
        Press(Qt::Key_Return);
    }

    GuiHarness harness;
};

} // namespace qtr::test
