#include "TempFolder.h"
#include "TestImages.h"
#include "core/base/messages/Link.h"
#include "core/app/FleetLog.h"
#include "core/base/messages/Fleet.h"
#include "core/app/FleetPlan.h"
#include "core/app/UnitIdPool.h"
#include "core/base/MessageCatalog.h"
#include "core/link/WriteReadiness.h"

#include <gtest/gtest.h>

#include <functional>

namespace qtr {
namespace {

class FleetPlanTest : public testing::Test {
public:
    void SetUp() override
    {
        RadioState state;
        test::StartWithModel(state, test::RecordFor(0, 0x15));
        plan.image = state.image;
        plan.ports = {"1", "/dev/ttyUSB7"};
        plan.logPath = folder.File("log.csv");
    }
    void Write(const std::string& name, const std::string& text) const
    {
        test::TempFolder::WriteBytes(folder.File(name), {text.begin(), text.end()});
    }
    void UseIdFile(const std::string& text)
    {
        Write("ids.csv", text);
        plan.idRule = UnitIdRule::BySerial;
        plan.idFile = folder.File("ids.csv");
    }
    void UseSequence(const std::string& dtmf, std::optional<VantalinkIdentity> vantalink)
    {
        plan.idRule = UnitIdRule::Sequence;
        plan.idStart = {dtmf, vantalink};
    }
    // The IDs the radios of `serials` get in turn; "refused" for one that gets none.
    std::vector<std::string> Given(const std::vector<std::string>& serials)
    {
        FleetLog log;
        UnitIdPool pool;
        const auto problems = PrepareFleet(plan, catalog, log, pool);
        EXPECT_TRUE(problems.empty()) << problems.front().messageId;
        std::vector<std::string> given;
        for (const std::string& serial : serials) {
            FleetReason refusal;
            const auto ids = pool.Take(serial, refusal);
            given.push_back(!ids ? "refused " + std::to_string(refusal.messageId)
                                 : ids->dtmf + (ids->vantalink ? " " + std::to_string(ids->vantalink->fleet) + ":" +
                                                                     std::to_string(ids->vantalink->id)
                                                               : std::string()));
            FleetRecord record;
            record.serial = serial;
            record.dtmfId = ids ? ids->dtmf : "";
            if (ids && ids->vantalink) {
                record.vantalinkFleet = std::to_string(ids->vantalink->fleet);
                record.vantalinkId = std::to_string(ids->vantalink->id);
            }
            EXPECT_FALSE(log.Append(record, catalog));
        }
        return given;
    }

    test::TempFolder folder;
    FleetPlan plan;
    MessageCatalog catalog;
};

TEST_F(FleetPlanTest, RefusesWhatCannotWorkBeforeAnyPortOpens)
{
    const std::string header = "serial,dtmf_id,vantalink_fleet,vantalink_id\n";
    struct Case {
        const char* name;
        std::function<void(FleetPlanTest&)> change;
        int messageId;
    };
    const Case cases[] = {
        {"no port", [](FleetPlanTest& t) { t.plan.ports.clear(); }, messages::fleet::kNoPort},
        {"port 0", [](FleetPlanTest& t) { t.plan.ports = {"0"}; }, messages::fleet::kNoSuchPort},
        {"port 256", [](FleetPlanTest& t) { t.plan.ports = {"256"}; }, messages::fleet::kNoSuchPort},
        {"port twice", [](FleetPlanTest& t) { t.plan.ports = {"3", "3"}; }, messages::fleet::kPortTwice},
        {"short DTMF ID", [](FleetPlanTest& t) { t.UseSequence("12", {}); }, messages::fleet::kBadDtmfId},
        {"long DTMF ID", [](FleetPlanTest& t) { t.UseSequence("12345678901", {}); }, messages::fleet::kBadDtmfId},
        {"DTMF letter", [](FleetPlanTest& t) { t.UseSequence("12A", {}); }, messages::fleet::kBadDtmfId},
        {"fleet 99", [](FleetPlanTest& t) { t.UseSequence("", {{99, 1000}}); }, messages::fleet::kBadVantalinkId},
        {"ID 5000", [](FleetPlanTest& t) { t.UseSequence("", {{100, 5000}}); }, messages::fleet::kBadVantalinkId},
        {"Parlane",
         [](FleetPlanTest& t) {
             RadioState parlane;
             test::StartWithModel(parlane, test::RecordFor(4, 0x10));
             t.plan.image = parlane.image;
             t.UseSequence("100", {});
         },
         messages::fleet::kParlaneHasNoIds},
        {"no ID file",
         [](FleetPlanTest& t) {
             t.UseIdFile("");
             t.plan.idFile = t.folder.File("missing.csv");
         },
         messages::fleet::kCannotReadIdFile},
        {"no serial column", [&](FleetPlanTest& t) { t.UseIdFile("dtmf_id\n123\n"); }, messages::fleet::kIdFileNoSerial},
        {"bad DTMF ID in file", [&](FleetPlanTest& t) { t.UseIdFile(header + "A1,1x3,,\n"); }, messages::fleet::kIdFileBadRow},
        {"fleet without ID", [&](FleetPlanTest& t) { t.UseIdFile(header + "A1,123,120,\n"); }, messages::fleet::kIdFileBadRow},
        {"ID twice in file", [&](FleetPlanTest& t) { t.UseIdFile(header + "A1,,120,1000\nA2,,120,1000\n"); },
         messages::fleet::kIdFileTwice},
        {"serial twice in file", [&](FleetPlanTest& t) { t.UseIdFile(header + "A1,123,,\nA1,124,,\n"); },
         messages::fleet::kIdFileTwice},
        {"ID of the file in the log for another radio",
         [&](FleetPlanTest& t) {
             t.Write("log.csv", std::string(FleetLog::kHeader) + "\n,1,P7100,B9,f,,written,,123,,,no,1.0\n");
             t.UseIdFile(header + "A1,123,,\n");
         },
         messages::fleet::kIdInLogElsewhere},
        {"log of other columns", [](FleetPlanTest& t) { t.Write("log.csv", "time,port\n1,2\n"); },
         messages::fleet::kLogOtherColumns},
        {"log too large to read",
         [](FleetPlanTest& t) {
             t.Write("log.csv", "");
             std::filesystem::resize_file(t.plan.logPath, 64 * 1024 * 1024);
         },
         messages::fleet::kCannotReadLog},
        {"log in no folder", [](FleetPlanTest& t) { t.plan.logPath = t.folder.File("no/log.csv"); },
         messages::fleet::kCannotWriteLog},
        {"data signalling without own fleet",
         [](FleetPlanTest& t) {
             t.plan.image[307] = 1;
             t.plan.image[368] = 0xFF;
         },
         messages::link::kNotReadyToWrite},
    };
    EXPECT_EQ(CheckFleetPlan(plan, catalog), std::vector<FleetReason>{});
    for (const Case& c : cases) {
        const FleetPlan before = plan;
        c.change(*this);
        const auto problems = CheckFleetPlan(plan, catalog);
        ASSERT_EQ(problems.size(), 1u) << c.name;
        EXPECT_EQ(problems.front().messageId, c.messageId) << c.name;
        plan = before;
        std::filesystem::remove(plan.logPath);
    }
}

TEST_F(FleetPlanTest, GivesEachRadioTheNextFreeIdsAndALogGoesOnAfterItsHighest)
{
    const std::string usedUp = "refused " + std::to_string(messages::fleet::kSequenceUsedUp);
    UseSequence("0098", VantalinkIdentity{120, 4997});
    EXPECT_EQ(Given({"A", "B", "A", ""}),
              (std::vector<std::string>{"0098 120:4997", "0099 120:4998", "0098 120:4997", "0100 120:4999"}));
    EXPECT_EQ(Given({"C"}), std::vector<std::string>{usedUp}); // the log holds 4999 of fleet 120
    UseSequence("0050", VantalinkIdentity{121, 1000});
    EXPECT_EQ(Given({"C", "D"}), (std::vector<std::string>{"0101 121:1000", "0102 121:1001"}));
    UseSequence("9999999999", {});
    std::filesystem::remove(plan.logPath);
    EXPECT_EQ(Given({"E", "F"}), (std::vector<std::string>{"9999999999", usedUp}));
}

TEST_F(FleetPlanTest, TakesIdsBySerialFromTheFileInAnyOrderOfColumns)
{
    UseIdFile("vantalink_id;serial;vantalink_fleet;dtmf_id\n1000;A1;120;\n;\"B 2\";;4711\n");
    EXPECT_EQ(Given({"B 2", "A1", "C3", ""}),
              (std::vector<std::string>{"4711", " 120:1000", "refused " + std::to_string(messages::fleet::kSerialNotInIdFile),
                                        "refused " + std::to_string(messages::fleet::kNoSerial)}));
}

TEST_F(FleetPlanTest, UnitIdsChangeTheirBytesAndNoOther)
{
    const ImageBytes changed = WithUnitIds(plan.image, {"123", VantalinkIdentity{349, 4999}});
    ImageBytes expected = plan.image;
    const std::uint8_t ids[] = {'1', '2', '3', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    std::copy(std::begin(ids), std::end(ids), expected.begin() + 288);
    expected[368] = 250;
    expected[369] = 0xA0;
    expected[370] = 0x0F;
    EXPECT_EQ(changed, expected);
    EXPECT_EQ(WithUnitIds(plan.image, {}), plan.image);
}

} // namespace
} // namespace qtr
