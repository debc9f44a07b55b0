#pragma once

#include "ChannelTestRadio.h"
#include "ChannelWindowTest.h"
#include "sim/RadioSimulator.h"
#include "gui/link/TransferDialog.h"

#include <QDialogButtonBox>
#include <QPushButton>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace qtr::test {

// The program with its channel and link windows, and a simulated radio on port 1 that
// answers as fast as the pseudo-terminal goes.
class LinkWindowTest : public ChannelWindowTest {
protected:
    static constexpr int kChannelSlot = 2; // channel 3

    RadioLink& Link() { return harness.Program().Link(); }

    sim::RadioSimulator& StartRadio(const sim::RadioProfile& profile, int port = 1)
    {
        radios_.push_back(std::make_unique<sim::RadioSimulator>(profile));
        harness.settings.WriteText("Ports", "COM" + std::to_string(port), radios_.back()->Start());
        return *radios_.back();
    }

    // An LMR UHF radio, not the program's Parlane model, with channel 3 on 452 MHz.
    static sim::RadioProfile LmrUhfRadio()
    {
        ChannelTestRadio channels(ChannelTestRadio::kLmrUhf, 0x85);
        channels.Program(kChannelSlot);
        auto profile = sim::RadioProfile::Factory(channels.state.currentModel);
        std::copy_n(channels.state.image.begin(), kChannelAreaEnd, profile.memory.begin());
        return profile;
    }

    // Runs the command with `answer` handling the dialog it opens, then what it posted.
    void RunWithDialog(int commandId, const std::function<void(QWidget&)>& answer)
    {
        WhenModal(answer);
        Frame().Action(commandId)->trigger();
        QCoreApplication::processEvents();
    }
    // Runs the command, which must open no dialog; one that opens anyway is closed.
    bool OpensNoDialog(int commandId)
    {
        bool opened = false;
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [&opened] {
            opened = QApplication::activeModalWidget() != nullptr;
            if (opened)
                QApplication::activeModalWidget()->close();
        });
        guard.start(kGuardMs);
        Frame().Action(commandId)->trigger();
        return !opened;
    }
    static QPushButton& TransferButton(QWidget& dialog, QDialogButtonBox::StandardButton which)
    {
        return *dynamic_cast<gui::TransferDialog&>(dialog).Buttons().button(which);
    }
    static void StartTransfer(QWidget& dialog) { TransferButton(dialog, QDialogButtonBox::Ok).click(); }
    void Read() { RunWithDialog(command::kReadFromRadio, StartTransfer); }
    void Write() { RunWithDialog(command::kWriteToRadio, StartTransfer); }

private:
    static constexpr std::size_t kChannelAreaEnd = 384; // channel records and their bitmaps
    static constexpr int kGuardMs = 3000;

    std::vector<std::unique_ptr<sim::RadioSimulator>> radios_;
};

} // namespace qtr::test
