#include "ProgramFolder.h"
#include "core/base/MemorySettingsStore.h"
#include "core/base/MessageCatalog.h"
#include "core/link/LinkStep.h"
#include "core/link/LinkTexts.h"
#include "core/link/PortFailure.h"
#include "core/link/SerialPort.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace qtr {
namespace {

class LinkTextsTest : public testing::Test {
protected:
    void SetUp() override
    {
        catalog.SetFolder(test::ProgramFolder());
        auto ids = MessageCatalog::ProgramMessages();
        ASSERT_EQ(catalog.LoadLanguage(ids, MessageCatalog::kEnglish), MessageCatalog::kLoaded);
        ports.WriteText("Ports", "COM2", "/dev/ttyS1");
    }

    MessageCatalog catalog;
    MemorySettingsStore ports;
    SerialPort link;
};

TEST(PortProblemTest, TheSystemsErrorsSayWhatTheUserCanDo)
{
    EXPECT_EQ(ProblemOfError(0), PortProblem::None);
    for (const int error : {ENOENT, ENODEV, ENXIO})
        EXPECT_EQ(ProblemOfError(error), PortProblem::NoDevice) << error;
    for (const int error : {EACCES, EPERM})
        EXPECT_EQ(ProblemOfError(error), PortProblem::NoPermission) << error;
    EXPECT_EQ(ProblemOfError(ENOTTY), PortProblem::NotSerial);
    EXPECT_EQ(ProblemOfError(EBUSY), PortProblem::Busy);
    EXPECT_EQ(ProblemOfError(EWOULDBLOCK), PortProblem::Busy);
    EXPECT_EQ(ProblemOfError(EIO), PortProblem::Other);
}

TEST_F(LinkTextsTest, AFailedOpenNamesTheDeviceTheProblemAndTheSystemsReason)
{
    EXPECT_EQ(PortFailureText(FailureOf("/dev/ttyUSB2", ENOENT), catalog),
              "/dev/ttyUSB2: no device (No such file or directory)");
    EXPECT_EQ(PortFailureText(FailureOf("/dev/ttyUSB0", EBUSY), catalog),
              "/dev/ttyUSB0: in use by another program (Device or resource busy)");
    // "Inappropriate ioctl for device" would only puzzle.
    EXPECT_EQ(PortFailureText(FailureOf("/etc/hostname", ENOTTY), catalog), "/etc/hostname: not a serial device");
    EXPECT_EQ(PortFailureText(FailureOf("/dev/ttyS0", EACCES), MessageCatalog()), "/dev/ttyS0: (Permission denied)");

    EXPECT_EQ(PermissionHint(FailureOf("/dev/ttyUSB2", ENOENT)), "");
    const std::string hint = PermissionHint(FailureOf("/dev/null", EACCES));
    EXPECT_NE(hint.find("/dev/null"), std::string::npos);
    EXPECT_NE(hint.find("usermod -aG root"), std::string::npos) << hint;
}

TEST_F(LinkTextsTest, StepsReadAsTheUserFollowsThem)
{
    EXPECT_EQ(LinkStepText({LinkStep::Phase::Opening, 3, 0}, catalog), "Opening COM3");
    EXPECT_EQ(LinkStepText({LinkStep::Phase::Connecting}, catalog), "Waiting for the radio to answer");
    EXPECT_EQ(LinkStepText({LinkStep::Phase::ReadingBlock, 5, 16}, catalog), "Reading block 5 of 16");
    EXPECT_EQ(LinkStepText({LinkStep::Phase::WritingBlock, 49, 49}, catalog), "Writing block 49 of 49");
    EXPECT_EQ(LinkStepText({}, catalog), "");
    EXPECT_EQ(WithNumbers("%d/%d %d", {1, 2}), "1/2 %d");
}

TEST_F(LinkTextsTest, TheTransferSaysWhatToConnectOrThatTheRadioIsSimulated)
{
    link.UseDeviceSettings(&ports, 1);
    link.SetPort(2);
    EXPECT_EQ(TransferInstructions(link, catalog),
              "Connect the programming cable to the radio and to COM2 (/dev/ttyS1), turn the radio on in its "
              "programming state, then press OK.");
    EXPECT_EQ(PortDescription(link, catalog), "COM2");
    link.SetPort(1);
    EXPECT_EQ(TransferInstructions(link, catalog),
              "The radio on COM1 is simulated: no cable and no radio are needed. Press OK to start.");
    EXPECT_EQ(PortDescription(link, catalog), "COM1 (simulated radio)");
}

TEST(ProgramMessagesTest, AreTheRequiredOnesAndTheProgramsOwnInEveryLanguage)
{
    const auto required = MessageCatalog::RequiredMessages();
    const auto ids = MessageCatalog::ProgramMessages();
    ASSERT_GT(ids.size(), required.size());
    EXPECT_TRUE(std::equal(required.begin(), required.end(), ids.begin()));
    for (auto it = ids.begin() + static_cast<long>(required.size()); it != ids.end(); ++it)
        EXPECT_TRUE(*it >= 3900000 && *it <= 3999999) << *it;
    for (const int language : {MessageCatalog::kEnglish, MessageCatalog::kSpanish, MessageCatalog::kChinese}) {
        MessageCatalog catalog;
        catalog.SetFolder(test::ProgramFolder());
        auto wanted = ids;
        EXPECT_EQ(catalog.LoadLanguage(wanted, language), MessageCatalog::kLoaded) << language;
    }
}

} // namespace
} // namespace qtr
