#include "GuiHarness.h"
#include "PseudoTerminal.h"
#include "TuningDialogTest.h"
#include "core/link/RadioLink.h"
#include "gui/testmode/MeasuringDialog.h"
#include "gui/testmode/TuningProcedureDialogs.h"

#include <QPushButton>

#include <poll.h>
#include <thread>
#include <unistd.h>

namespace qtr::gui {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The panel's entry with the program's serial link, and the test playing the radio on
// the far side of a pseudo-terminal.
class TuningOverTheSerialLinkTest : public test::TuningDialogTest {
protected:
    void SetUp() override
    {
        link_.UseDeviceSettings(&pty_.Settings());
        ASSERT_EQ(link_.SetOpen(1), 1);
    }
    void TearDown() override { link_.SetOpen(0); }
    // Answers each command of the expected length with its reply.
    void Radio(std::vector<std::pair<std::size_t, Bytes>> script)
    {
        radio_ = std::thread([this, script] {
            for (const auto& [expected, reply] : script) {
                Bytes command(expected);
                std::size_t got = 0;
                while (got < expected) {
                    pollfd entry{pty_.Master(), POLLIN, 0};
                    if (poll(&entry, 1, 2000) <= 0)
                        return;
                    got += static_cast<std::size_t>(read(pty_.Master(), command.data() + got, expected - got));
                }
                heard_.insert(heard_.end(), command.begin(), command.end());
                if (!reply.empty())
                    static_cast<void>(write(pty_.Master(), reply.data(), reply.size()));
            }
        });
    }
    Bytes Heard()
    {
        radio_.join();
        return heard_;
    }

    test::PseudoTerminal pty_;
    RadioLink link_;
    std::thread radio_;
    Bytes heard_;
};

TEST_F(TuningOverTheSerialLinkTest, AMeasuredValueIsPolledAndKept)
{
    constexpr std::uint8_t kAck = 0x06;
    Radio({{2, {50}}, {1, {}}, {3, {kAck}}, {2, {kAck}}});
    test::WhenModal([](QWidget& window) {
        auto& dialog = dynamic_cast<MeasuringDialog&>(window);
        dialog.StartButton().click();
        dialog.Poll();
        dialog.OkButton().click();
    });
    EXPECT_EQ(RunTuningProcedure(nullptr, link_, prompter, catalog, help, values, 12), testmode::TuningOutcome::Kept);
    EXPECT_EQ(Heard(), (Bytes{33, 0x0A, kAck, 33, 0x20, 50, 33, 0x0E}));
    EXPECT_EQ(values.tuningValues[56], 50);
    EXPECT_TRUE(prompter.asked.empty());
}

} // namespace
} // namespace qtr::gui
