#include "core/base/MessageCatalog.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Dtmf.h"
#include "core/base/messages/Link.h"
#include "core/base/messages/Scan.h"
#include "core/base/messages/Vantalink.h"
#include "core/link/WriteReadiness.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

class WriteReadinessTest : public testing::Test {
protected:
    void SetUp() override
    {
        image.fill(0xFF);
        image[307] = 0;   // PTT ID type
        image[306] = 0;   // PTT ID: begin of transmission
        image[447] = 'B'; // Parlane: no priority channel rule
        std::vector<int> ids{messages::link::kNotReadyToWrite, messages::dtmf::kPttIdBeginOfTx,
                             messages::dtmf::kPttIdEndOfTx,    messages::vantalink::kOwnFleet,
                             messages::vantalink::kOwnId,      messages::scan::kPriorityChannel};
        ASSERT_EQ(catalog.LoadText(ids, "^#003003059\nMissing:\n^#003007033\nPriority\n^#003010017\nBegin\n"
                                        "^#003010019\nEnd\n^#003400003\nFleet\n^#003400005\nID\n"),
                  MessageCatalog::kLoaded);
    }
    void ChannelSendsPttId(int channel, std::uint8_t setting) { image[16 * channel + 14] = setting; }
    std::string RefusalText() const
    {
        const auto refusal = WriteReadiness::Refusal(image, catalog);
        return refusal ? PromptText(*refusal, catalog) : "";
    }

    ImageBytes image{};
    MessageCatalog catalog;
};

TEST_F(WriteReadinessTest, ThePttIdCodesMatterOnlyWhenAChannelSendsOne)
{
    ChannelSendsPttId(5, 0xF0); // low nibble 0: sends none
    ChannelSendsPttId(16, 0x3F); // low nibble F: unset
    EXPECT_EQ(RefusalText(), "");
    ChannelSendsPttId(16, 0x31);
    EXPECT_EQ(RefusalText(), "Missing:\n\"Begin\"");
    image[320] = 0x01;
    EXPECT_EQ(RefusalText(), "");
    image[306] = 1;
    EXPECT_EQ(RefusalText(), "Missing:\n\"End\"");
    image[306] = 2;
    image[320] = 0xFF;
    EXPECT_EQ(RefusalText(), "Missing:\n\"Begin\"\n\"End\"");
    image[307] = 2; // another PTT ID type: the codes are not used
    EXPECT_EQ(RefusalText(), "");
}

TEST_F(WriteReadinessTest, DataSignallingNeedsTheOwnFleet)
{
    image[307] = 1;
    EXPECT_EQ(RefusalText(), "Missing:\n\"Fleet\"\n\"ID\"");
    image[368] = 0x12;
    EXPECT_EQ(RefusalText(), "");
}

TEST_F(WriteReadinessTest, AnLmrRadioWithPriorityScanNeedsItsPriorityChannel)
{
    image[352] = 1;
    EXPECT_EQ(RefusalText(), "");
    image[447] = 'L';
    EXPECT_EQ(RefusalText(), "Missing:\n\n\"Priority\"");
    const auto refusal = WriteReadiness::Refusal(image, catalog);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->captionId, messages::common::kErrorCaption);
    EXPECT_EQ(refusal->buttons, Buttons::Ok);
    image[353] = 3;
    EXPECT_EQ(RefusalText(), "");
}

} // namespace
} // namespace qtr
