#include "ChannelTestRadio.h"
#include "core/channels/ChannelCommand.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

using test::ChannelTestRadio;
constexpr auto kGrid = ChannelWindow::Grid;
constexpr auto kForm = ChannelWindow::Form;

TEST(ChannelCommandTest, BothKeysOfACommandWorkAndTheFormHasOnlyTheCopies)
{
    EXPECT_EQ(ChannelCommandForKey("Shift+F3", kGrid), ChannelCommand::ChannelCopy);
    EXPECT_EQ(ChannelCommandForKey("Ctrl+E", kForm), ChannelCommand::ChannelCopy);
    EXPECT_EQ(ChannelCommandForKey("F10", kGrid), ChannelCommand::Ignore);
    EXPECT_EQ(ChannelCommandForKey("Ctrl+D", kForm), ChannelCommand::None);
    EXPECT_EQ(ChannelCommandForKey("F11", kForm), ChannelCommand::None);
    EXPECT_EQ(ChannelCommandForKey("Ctrl+X", kGrid), ChannelCommand::None);
}

TEST(ChannelCommandTest, CopiesNeedAChannelAndTheGridLeavesFrequencyCopiesToParlaneForms)
{
    ChannelTestRadio lmr{ChannelTestRadio::kLmrVhf, 0x15};
    EXPECT_FALSE(ChannelCommandApplies(ChannelCommand::ChannelCopy, kGrid, lmr.table, lmr.state, 0));
    EXPECT_FALSE(ChannelCommandApplies(ChannelCommand::Delete, kGrid, lmr.table, lmr.state, 0));
    EXPECT_TRUE(ChannelCommandApplies(ChannelCommand::Insert, kGrid, lmr.table, lmr.state, 0));
    lmr.Store(0, "151.8");
    EXPECT_TRUE(ChannelCommandApplies(ChannelCommand::FrequencyCopy, kGrid, lmr.table, lmr.state, 0));
    EXPECT_FALSE(ChannelCommandApplies(ChannelCommand::ToneCopy, kGrid, lmr.table, lmr.state, 0));
    lmr.Store(0, "151.8", ChannelField::TransmitFrequency);
    EXPECT_TRUE(ChannelCommandApplies(ChannelCommand::ToneCopy, kForm, lmr.table, lmr.state, 0));

    ChannelTestRadio parlane{ChannelTestRadio::kParlaneVhf, 0x15};
    parlane.table.SetParlaneFrequency(0, "(01) 151.62500");
    EXPECT_FALSE(ChannelCommandApplies(ChannelCommand::FrequencyCopy, kGrid, parlane.table, parlane.state, 0));
    EXPECT_FALSE(ChannelCommandApplies(ChannelCommand::ToneCopy, kGrid, parlane.table, parlane.state, 0));
    EXPECT_TRUE(ChannelCommandApplies(ChannelCommand::FrequencyCopy, kForm, parlane.table, parlane.state, 0));
    EXPECT_TRUE(ChannelCommandApplies(ChannelCommand::ToneCopy, kForm, parlane.table, parlane.state, 0));
}

} // namespace
} // namespace qtr
