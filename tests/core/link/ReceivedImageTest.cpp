#include "TestImages.h"
#include "core/base/MessageCatalog.h"
#include "core/link/ReceivedImage.h"
#include "core/model/FrequencyCodec.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

// A radio's memory arriving in the snapshot array while another model is current.
class ReceivedImageTest : public testing::Test {
protected:
    void Receive(const ImageBytes& memory)
    {
        for (std::size_t i = 0; i < kImageSize; ++i)
            state.snapshot[i] = 0xABCD0000U | memory[i]; // only the low byte is the radio's
    }
    static ImageBytes FactoryMemory(const ModelRecord& record)
    {
        RadioState radio;
        test::StartWithModel(radio, record);
        return radio.image;
    }

    MessageCatalog catalog;
    RadioState state;
    FrequencyCodec codec{state, catalog};
};

TEST_F(ReceivedImageTest, TheRadiosModelDecidesTheStepCodes)
{
    test::StartWithModel(state, test::RecordFor(0, 0x10)); // VHF current
    const ModelRecord uhf = test::RecordFor(2, 0x85);
    ImageBytes memory = FactoryMemory(uhf);
    // 460.0025 MHz lies on the 2.5 kHz grid, which only VHF radios use.
    const auto field = FrequencyCodec::ParseFrequency("460.0025", 0);
    ASSERT_TRUE(field);
    std::copy(field->field.begin(), field->field.end(), memory.begin() + 16);
    memory[16 + 14] = 0x3F; // receive step code 0, as a VHF radio would store it
    Receive(memory);

    StoreReceivedImage(state, codec, uhf);
    EXPECT_EQ(state.currentModel, uhf);
    EXPECT_EQ(state.band.lower, 450.0);
    EXPECT_EQ(state.image[16 + 14] >> 6, 2); // 6.25 kHz code
    EXPECT_EQ(state.image[447], uhf[7]);
}

TEST_F(ReceivedImageTest, RecordsFoundAreMarkedProgrammedAndNoMarkIsTaken)
{
    const ModelRecord record = test::RecordFor(0, 0x15);
    ImageBytes memory = FactoryMemory(record);
    memory.fill(0xFF);
    std::copy(record.begin(), record.end(), memory.begin() + 440);
    memory[16 * 3] = 0x00;  // record 3 holds a channel
    memory[16 * 12] = 0x00; // record 12 too
    memory[380] = 0x00;
    memory[381] = 0x80; // channel 16 marked without a record
    Receive(memory);
    StoreReceivedImage(state, codec, record);
    EXPECT_EQ(state.image[380], 0x04);
    EXPECT_EQ(state.image[381], 0x88);
}

TEST_F(ReceivedImageTest, AFifteenChannelRadioLosesItsSixteenthRecord)
{
    const ModelRecord record = test::RecordFor(3, 0x8B, true);
    ImageBytes memory = FactoryMemory(record);
    std::fill(memory.begin() + 256, memory.begin() + 272, 0x11);
    Receive(memory);
    state.sixteenChannelFlag = true;
    StoreReceivedImage(state, codec, record);
    EXPECT_TRUE(std::all_of(state.image.begin() + 256, state.image.begin() + 272, [](auto b) { return b == 0xFF; }));
    EXPECT_FALSE(state.sixteenChannelFlag);
    EXPECT_EQ(state.image[381] & 0x80, memory[381] & 0x80);
}

} // namespace
} // namespace qtr
