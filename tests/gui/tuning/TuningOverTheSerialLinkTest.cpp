#include "GuiHarness.h"
#include "ScriptedPtyRadio.h"
#include "TuningDialogTest.h"
#include "gui/testmode/MeasuringDialog.h"
#include "gui/testmode/TuningProcedureDialogs.h"

#include <QPushButton>

namespace qtr::gui {
namespace {

using Bytes = test::ScriptedPtyRadio::Bytes;

// The panel's entry with the program's serial link, and the test playing the radio.
class TuningOverTheSerialLinkTest : public test::TuningDialogTest {
protected:
    void Radio(test::ScriptedPtyRadio::Script script) { radio_.Play(std::move(script), 2000); }
    Bytes Heard() { return radio_.Heard(); }

    test::ScriptedPtyRadio radio_;
    RadioLink& link_ = radio_.link;
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
