#pragma once

#include "GuiHarness.h"
#include "TempFolder.h"
#include "TestImages.h"
#include "core/app/CommandIds.h"
#include "gui/print/PrintCommands.h"
#include "gui/print/PrintListDialog.h"

#include <QProcess>
#include <QPushButton>

#include <gtest/gtest.h>

namespace qtr::test {

// The program with every window registered and a fixed clock; printouts go to PDF files.
class PrintTestHarness : public ::testing::Test {
protected:
    static constexpr int kLmrVhf = 0;
    static constexpr int kLmrUhfL = 3;
    static constexpr int kParlaneUhfL = 7;

    void SetUp() override
    {
        harness.clock.now = {.tm_sec = 9, .tm_min = 5, .tm_hour = 14, .tm_mday = 7, .tm_mon = 11, .tm_year = 126};
        harness.Start();
        harness.RegisterWindows();
    }

    gui::MainWindow& Frame() { return harness.Frame(); }
    Workspace& App() { return harness.App(); }
    gui::PrintCommands& Commands() { return *Frame().findChild<gui::PrintCommands*>("PrintCommands"); }

    // The factory image of the model; unless `programmedChannels` is negative, with only
    // that many channels, each on `frequency`.
    void UseModel(int modelType, std::uint8_t typeByte, int programmedChannels, const std::string& frequency)
    {
        Frame().CloseAllEditors();
        StartWithModel(App().state, RecordFor(modelType, typeByte));
        App().state.ChannelClassRow(typeByte);
        App().state.MarkSaved();
        if (programmedChannels < 0)
            return;
        for (int slot = 0; slot < channels::kSlotCount; ++slot)
            App().channels.ClearChannel(slot);
        for (int slot = 0; slot < programmedChannels; ++slot) {
            std::string text = frequency;
            App().channels.SetFrequency(slot, ChannelField::ReceiveFrequency, text);
        }
        App().state.MarkSaved();
    }

    // File > Export PDF with the Print Out List answered by `choose` and then OK.
    void ExportPdf(const std::string& path, std::function<void(gui::PrintListDialog&)> choose = {})
    {
        harness.picker.savePaths = {path};
        WhenModal([choose](QWidget& modal) {
            auto& dialog = dynamic_cast<gui::PrintListDialog&>(modal);
            if (choose)
                choose(dialog);
            dialog.OkButton()->click();
        });
        Frame().Action(command::kExportPdf)->trigger();
    }

    // The text of a PDF as pdftotext lays it out; pages end in a form feed.
    static QString PdfText(const std::string& path)
    {
        QProcess process;
        process.start("pdftotext", {"-layout", QString::fromStdString(path), "-"});
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            return {};
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    static QStringList PdfPages(const std::string& path)
    {
        QStringList pages = PdfText(path).split('\f');
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
            pages.removeLast();
        return pages;
    }

    GuiHarness harness;
    TempFolder folder;
};

} // namespace qtr::test
