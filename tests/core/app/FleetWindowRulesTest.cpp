#include "ProgramFolder.h"
#include "core/base/messages/Fleet.h"
#include "core/app/FleetWindowRules.h"
#include "core/base/MessageCatalog.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

using Phase = FleetPortState::Phase;

class FleetWindowRulesTest : public testing::Test {
protected:
    void SetUp() override
    {
        catalog.SetFolder(test::ProgramFolder());
        auto ids = MessageCatalog::ProgramMessages();
        ASSERT_EQ(catalog.LoadLanguage(ids, MessageCatalog::kEnglish), MessageCatalog::kLoaded);
    }

    MessageCatalog catalog;
};

TEST_F(FleetWindowRulesTest, APortsRowSaysWhereItStandsAndFillsItsBarWithTheBlocks)
{
    const FleetReason cannotOpen{messages::fleet::kCannotOpenPort, {"COM7"}};
    const struct {
        FleetPortState state;
        std::string text;
        FleetProgress progress;
    } cases[] = {
        {{.port = "3", .phase = Phase::Opening}, "Opening COM3", {0, 1}},
        {{.port = "3", .phase = Phase::Waiting}, "Waiting for a radio", {0, 1}},
        {{.port = "3", .phase = Phase::Identifying}, "Asking the radio for its identity", {0, 1}},
        {{.port = "3", .phase = Phase::BackingUp, .block = 2, .blocks = 16}, "Backing up block 2 of 16", {2, 16}},
        {{.port = "3", .phase = Phase::Writing, .block = 12, .blocks = 49}, "Writing block 12 of 49", {12, 49}},
        {{.port = "3", .phase = Phase::Verifying, .block = 3, .blocks = 13}, "Checking block 3 of 13", {3, 13}},
        {{.port = "3", .phase = Phase::Done}, "Finished", {1, 1}},
        {{.port = "7", .phase = Phase::Unusable, .reason = cannotOpen},
         "Cannot be used: " + FleetReasonText(cannotOpen, catalog), {0, 1}},
        {{.port = "3", .phase = Phase::Waiting, .reason = cannotOpen},
         "Waiting for a radio. Last radio: " + FleetReasonText(cannotOpen, catalog), {0, 1}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FleetPortStateText(c.state, catalog), c.text);
        EXPECT_EQ(FleetPortProgress(c.state), c.progress) << c.text;
    }
    EXPECT_FALSE(FleetReasonText(cannotOpen, catalog).empty());
}

TEST_F(FleetWindowRulesTest, TheChoicesMakeAPlanWhosePortsWaitForRadiosUntilStop)
{
    ImageBytes image{};
    image[100] = 0x42;
    const FleetChoices choices{.ports = {2, 5}, .verify = true, .backup = false, .idRule = UnitIdRule::BySerial,
                               .dtmfStart = "12", .idFile = "/ids.csv", .logPath = "/fleet.csv"};
    const auto draft = MakeFleetPlan(choices, image, "brigade.dat", "/backups");
    EXPECT_TRUE(draft.reasons.empty()); // the typed starts belong to the other rule
    const FleetPlan& plan = draft.plan;
    EXPECT_EQ(plan.ports, (std::vector<std::string>{"2", "5"}));
    EXPECT_EQ(plan.image, image);
    EXPECT_EQ(plan.fileName, "brigade.dat");
    EXPECT_TRUE(plan.verify);
    EXPECT_FALSE(plan.backup);
    EXPECT_EQ(plan.backupFolder, "/backups");
    EXPECT_TRUE(plan.waitForRadios);
    EXPECT_GT(plan.retries, 0);
    EXPECT_EQ(plan.idRule, UnitIdRule::BySerial);
    EXPECT_EQ(plan.idFile, "/ids.csv");
    EXPECT_FALSE(plan.idStart.Any());
    EXPECT_EQ(plan.logPath, "/fleet.csv");
}

TEST_F(FleetWindowRulesTest, SequenceStartsAreReadOrRefusedAsTyped)
{
    const struct {
        std::string dtmf;
        std::string vantalink;
        UnitIds start;
        std::vector<FleetReason> reasons;
    } cases[] = {
        {"1001", "120:2000", {"1001", VantalinkIdentity{120, 2000}}, {}},
        {"", "100:1000", {"", VantalinkIdentity{100, 1000}}, {}},
        {"555", "", {"555", std::nullopt}, {}},
        {"12", "350:1000", {}, {{messages::fleet::kBadDtmfId, {"12"}}, {messages::fleet::kBadVantalinkId, {"350:1000"}}}},
        {"12345678901", "120-2000", {}, {{messages::fleet::kBadDtmfId, {"12345678901"}}, {messages::fleet::kBadVantalinkId, {"120-2000"}}}},
        {"1a2", "120:", {}, {{messages::fleet::kBadDtmfId, {"1a2"}}, {messages::fleet::kBadVantalinkId, {"120:"}}}},
    };
    for (const auto& c : cases) {
        const FleetChoices choices{.ports = {1}, .idRule = UnitIdRule::Sequence, .dtmfStart = c.dtmf,
                                   .vantalinkStart = c.vantalink, .idFile = "/ids.csv"};
        const auto draft = MakeFleetPlan(choices, {}, "", "");
        EXPECT_EQ(draft.plan.idStart, c.start) << c.dtmf << ' ' << c.vantalink;
        EXPECT_EQ(draft.reasons, c.reasons) << c.dtmf << ' ' << c.vantalink;
        EXPECT_TRUE(draft.plan.idFile.empty());
    }
}

TEST(FleetControlStatesTest, ChoicesWhileIdleStartWithAPortAndALogStopWhileRunning)
{
    const FleetChoices ready{.ports = {1}, .logPath = "/fleet.csv"};
    FleetChoices noLog = ready;
    noLog.logPath.clear();
    FleetChoices noPort = ready;
    noPort.ports.clear();
    FleetChoices sequence = ready;
    sequence.idRule = UnitIdRule::Sequence;
    FleetChoices bySerial = ready;
    bySerial.idRule = UnitIdRule::BySerial;
    const struct {
        FleetRunState run;
        FleetChoices choices;
        bool lmr;
        FleetControls controls;
    } cases[] = {
        {FleetRunState::Idle, ready, true, {.choices = true, .idRules = true, .start = true}},
        {FleetRunState::Idle, noLog, true, {.choices = true, .idRules = true}},
        {FleetRunState::Idle, noPort, true, {.choices = true, .idRules = true}},
        {FleetRunState::Idle, sequence, true, {.choices = true, .idRules = true, .sequenceFields = true, .start = true}},
        {FleetRunState::Idle, bySerial, true, {.choices = true, .idRules = true, .idFileButton = true, .start = true}},
        {FleetRunState::Idle, sequence, false, {.choices = true, .start = true}}, // Parlane: no unit IDs
        {FleetRunState::Running, sequence, true, {.stop = true}},
        {FleetRunState::Stopping, sequence, true, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FleetControlStates(c.run, c.choices, c.lmr), c.controls) << static_cast<int>(c.run);
}

TEST_F(FleetWindowRulesTest, ARadiosRowHasTheLogsColumnsAndFailuresAreMarked)
{
    FleetRecord record{.time = "2026-12-07T10:00:00+0000", .port = "4", .number = 3, .radioModel = "P71L0",
                       .serial = "70000012", .file = "brigade.dat", .sha256 = "ab12", .result = FleetResult::Verified,
                       .dtmfId = "1003", .vantalinkFleet = "120", .vantalinkId = "2002", .verified = true, .seconds = 2.46};
    EXPECT_EQ(FleetRecordColumnIds().size(), 13U);
    EXPECT_EQ(FleetRecordCells(record, catalog),
              (std::vector<std::string>{"2026-12-07T10:00:00+0000", "COM4", "P71L0", "70000012", "brigade.dat", "ab12",
                                        "verified", "", "1003", "120", "2002", "Yes", "2.5"}));
    const struct {
        FleetResult result;
        bool failure;
    } results[] = {{FleetResult::Written, false}, {FleetResult::Verified, false}, {FleetResult::Refused, true},
                   {FleetResult::Failed, true}};
    for (const auto& r : results) {
        record.result = r.result;
        EXPECT_EQ(IsFleetFailure(record), r.failure) << FleetResultWord(r.result);
    }
}

TEST_F(FleetWindowRulesTest, TheSummaryCountsEveryPortAndNamesALogThatFailed)
{
    FleetSummary summary{.ports = {{.port = "1", .written = 3, .verified = 3, .refused = 1},
                                   {.port = "2", .written = 2, .verified = 1, .failed = 1}}};
    EXPECT_EQ(FleetSummaryText(summary, catalog), "5 written, 4 verified, 1 refused, 1 failed");
    summary.logFailure = {messages::fleet::kCannotWriteLog, {"/fleet.csv", "disk full"}};
    EXPECT_EQ(FleetSummaryText(summary, catalog),
              "5 written, 4 verified, 1 refused, 1 failed\n" + FleetReasonText(summary.logFailure, catalog));
}

} // namespace
} // namespace qtr
