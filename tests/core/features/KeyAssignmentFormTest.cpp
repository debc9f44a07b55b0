#include "FeatureTestRadio.h"
#include "core/base/messages/Keys.h"
#include "core/features/KeyAssignmentForm.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

using Keys = KeyAssignmentForm;

class KeyAssignmentFormTest : public test::FeatureTestRadio {
protected:
    Keys& OpenKeys()
    {
        keys = std::make_unique<Keys>(state, catalog, [this] { return scanOpen; });
        keys->Open();
        return *keys;
    }
    form::SettingsForm& Form() { return keys->Form(); }
    std::vector<std::string> Texts(int row)
    {
        std::vector<std::string> texts;
        for (const auto& entry : Form().Entries(row))
            texts.push_back(Form().EntryText(entry));
        return texts;
    }
    void SetScan(unsigned priority, unsigned revert)
    {
        state.image[352] = static_cast<std::uint8_t>(priority);
        state.image[356] = static_cast<std::uint8_t>(revert);
    }

    bool scanOpen = false;
    std::unique_ptr<Keys> keys;
};

TEST_F(KeyAssignmentFormTest, ListPositionsStoreTheirFunctionCodes)
{
    struct PositionCase {
        int model;
        std::uint8_t typeByte;
        bool fifteen;
        bool sSelector;
        int position;
        unsigned stored;
    };
    const PositionCase cases[] = {
        {kLmrVhf8, 0x15, false, false, 0, 0xFF},    {kLmrVhf8, 0x15, false, false, 1, 0},
        {kLmrVhf8, 0x15, false, false, 12, 11},     {kParlaneVhf, 0x10, false, false, 1, 1},
        {kParlaneVhf, 0x10, false, false, 11, 11},  {kParlaneVhf, 0x10, false, false, 0, 0xFF},
        {kLmrUhfL, 0x8B, true, true, 7, 8},         {kParlaneUhfL, 0x8B, true, true, 6, 8},
        {kLmrUhfL, 0x8B, true, true, 10, 11},       {kParlaneUhfL, 0x8B, true, true, 9, 11},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.model) + " position " + std::to_string(c.position));
        UseModel(c.model, c.typeByte, c.fifteen);
        state.image[284] = c.sSelector ? 1 : 0xFF;
        OpenKeys();
        Form().CommitEntry(Keys::kPf1, c.position);
        EXPECT_EQ(state.image[285], c.stored);
        EXPECT_EQ(Form().SelectedEntry(Keys::kPf1), c.position);
    }
}

TEST_F(KeyAssignmentFormTest, ParlaneListsAreNumberedByCodeAndLeaveOutCodeZero)
{
    std::vector<int> ids{messages::keys::kNone, messages::keys::kSquelchOff, messages::keys::kScrambler,
                         messages::keys::kTxPowerLow};
    catalog.LoadText(ids, "^#003420072\nNone\n^#003420076\nMonitor\n^#003420090\nScan\n^#003420096\nLight\n");
    UseTwoChannelParlane();
    OpenKeys();
    const auto texts = Texts(Keys::kPf1);
    ASSERT_EQ(texts.size(), 12u);
    EXPECT_EQ(texts[0], "(00) None");
    EXPECT_EQ(texts[1], "(01) Monitor");
    EXPECT_EQ(texts[8], "(08) Scan");
    EXPECT_EQ(texts[11], "(11) Light");
    UseFifteenChannelParlane();
    OpenKeys();
    EXPECT_EQ(Texts(Keys::kPf2).size(), 10u);
    EXPECT_EQ(Texts(Keys::kPf2)[6], "(08) Scan");
    UseFifteenChannelLmr();
    OpenKeys();
    EXPECT_EQ(Texts(Keys::kPf2).size(), 11u);
    EXPECT_EQ(Texts(Keys::kPf2)[1], "");
}

TEST_F(KeyAssignmentFormTest, OpeningSettlesCodesTheListsCannotShow)
{
    UseTwoChannelParlane();
    state.image[285] = 0;
    state.image[286] = 0x40;
    OpenKeys();
    EXPECT_EQ(state.image[285], 1); // Parlane has no code 0
    EXPECT_EQ(state.image[286], 0x40);
    EXPECT_EQ(Form().SelectedEntry(Keys::kPf2), form::SettingsForm::kNoEntry);

    UseFifteenChannelLmr();
    state.image[285] = 6;
    state.image[286] = 7;
    OpenKeys();
    EXPECT_EQ(state.image[285], 0xFF);
    EXPECT_EQ(state.image[286], 0xFF);
}

TEST_F(KeyAssignmentFormTest, HelpFollowsTheChosenFunction)
{
    OpenKeys();
    EXPECT_EQ(Form().HelpTopic(Keys::kPf1, 0), 513);
    EXPECT_EQ(Form().HelpTopic(Keys::kPf1, 1), 514);
    EXPECT_EQ(Form().HelpTopic(Keys::kPf1, 12), 525);
    EXPECT_EQ(Form().HelpTopic(Keys::kSSelector), 1378);
    UseTwoChannelParlane();
    OpenKeys();
    EXPECT_EQ(Form().HelpTopic(Keys::kPf1, 1), 515);
}

TEST_F(KeyAssignmentFormTest, SSelectorIsOfferedOnFifteenChannelModelsOnly)
{
    const std::tuple<int, std::uint8_t, bool, bool> models[] = {
        {kLmrVhf8, 0x15, false, false},     {kLmrUhfL, 0x8B, false, false},    {kParlaneVhf, 0x10, false, false},
        {kLmrUhfL, 0x8B, true, true},       {kParlaneUhfL, 0x8B, true, true}};
    for (const auto& [model, typeByte, fifteen, shown] : models) {
        UseModel(model, typeByte, fifteen);
        OpenKeys();
        EXPECT_EQ(Form().Visible(Keys::kSSelector), shown) << model << fifteen;
        EXPECT_EQ(Form().Checked(Keys::kSSelector), shown) << model << fifteen;
    }
}

TEST_F(KeyAssignmentFormTest, TurningSSelectorOnFreesItsKeysAndSettlesScanOnLmr)
{
    UseFifteenChannelLmr();
    state.image[284] = 0xFF;
    state.image[286] = 7;
    SetScan(2, 3);
    OpenKeys();
    const auto result = Form().CommitCheck(Keys::kSSelector, true);
    EXPECT_EQ(state.image[284], 1);
    EXPECT_EQ(state.image[286], 0xFF);
    EXPECT_EQ(state.image[352], 0); // priority 2 is not offered with S-Selector
    EXPECT_EQ(state.image[356], 6);
    EXPECT_EQ(result.refreshRows, (std::vector<int>{Keys::kSSelector, Keys::kPf1, Keys::kPf2}));
    EXPECT_TRUE(result.effects & form::kListsChanged);
    // Turning it off again restores the remembered priority; the key stays free.
    Form().CommitCheck(Keys::kSSelector, false);
    EXPECT_EQ(state.image[284], 0xFF);
    EXPECT_EQ(state.image[286], 0xFF);
    EXPECT_EQ(state.image[352], 2);
    EXPECT_EQ(state.image[356], 3);
}

TEST_F(KeyAssignmentFormTest, TurningSSelectorOffOnLmrRestoresTheRevertChannelByPriority)
{
    struct OffCase {
        unsigned priorityAtOn, revertAtOn; // remembered when turned on
        unsigned priorityBeforeOff, revertBeforeOff;
        unsigned priority, revert; // after turning off
    };
    const OffCase cases[] = {
        {1, 2, 1, 2, 1, 2},  // priority 1 keeps the remembered revert channel
        {1, 1, 1, 6, 1, 1},  // the fixed channel gives way to the selected channel
        {0, 0, 0, 6, 0, 1},  // priority off reverts to the selected channel
        {1, 3, 1, 6, 1, 3},  // the revert channel from before S-Selector comes back
    };
    for (const auto& c : cases) {
        UseFifteenChannelLmr();
        state.image[284] = 0xFF;
        SetScan(c.priorityAtOn, c.revertAtOn);
        OpenKeys();
        Form().CommitCheck(Keys::kSSelector, true);
        SetScan(c.priorityBeforeOff, c.revertBeforeOff);
        Form().CommitCheck(Keys::kSSelector, false);
        EXPECT_EQ(state.image[352], c.priority) << c.priorityAtOn << c.revertAtOn;
        EXPECT_EQ(state.image[356], c.revert) << c.priorityAtOn << c.revertAtOn;
    }
}

TEST_F(KeyAssignmentFormTest, ParlaneSSelectorSwitchesBetweenFixedAndSelectedChannel)
{
    UseFifteenChannelParlane();
    OpenKeys();
    Form().CommitCheck(Keys::kSSelector, false);
    EXPECT_EQ(state.image[356], 1);
    Form().CommitCheck(Keys::kSSelector, true);
    EXPECT_EQ(state.image[352], 0);
    EXPECT_EQ(state.image[356], 6);
}

TEST_F(KeyAssignmentFormTest, WithScanClosedTheFixedChannelIsSettledHere)
{
    UseFifteenChannelLmr();
    state.image[284] = 0xFF;
    state.image[363] = 0xFF;
    ProgramOnly({3, 5});
    OpenKeys();
    EXPECT_EQ(Form().CommitCheck(Keys::kSSelector, true).effects & form::kScanMustRebuild, 0u);
    EXPECT_EQ(state.image[363], 3);
    Form().CommitCheck(Keys::kSSelector, false);
    EXPECT_EQ(state.image[363], 0xFF);
}

TEST_F(KeyAssignmentFormTest, WithScanOpenTheScanWindowIsAskedToRebuild)
{
    UseFifteenChannelParlane();
    scanOpen = true;
    ProgramOnly({3});
    state.image[363] = 0xFF;
    OpenKeys();
    EXPECT_TRUE(Form().CommitCheck(Keys::kSSelector, false).effects & form::kScanMustRebuild);
    EXPECT_TRUE(Form().CommitCheck(Keys::kSSelector, true).effects & form::kScanMustRebuild);
    EXPECT_EQ(state.image[363], 0xFF); // left to the Scan window
}

TEST_F(KeyAssignmentFormTest, ClickingTheStateItAlreadyHasChangesNothing)
{
    UseFifteenChannelLmr();
    OpenKeys();
    const auto before = state.image;
    EXPECT_EQ(Form().CommitCheck(Keys::kSSelector, true).effects, form::kNoEffect);
    EXPECT_EQ(state.image, before);
}

} // namespace
} // namespace qtr
