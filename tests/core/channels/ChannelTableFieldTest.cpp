#include "ChannelTestRadio.h"

#include "core/base/messages/Channels.h"
#include "core/base/messages/Common.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

using test::ChannelTestRadio;

class ChannelTableFieldTest : public testing::Test {
protected:
    void SetUp() override
    {
        radio.Program(0);
    }
    ValueList List(ChannelField field) const { return radio.table.ValueList(field, 0); }
    FormattedField Show(ChannelField field) { return radio.texts.FormatField(0, field); }
    void Set(ChannelField field, int value) { radio.table.SetListField(0, field, value); }
    void SetDecode(const std::string& text) { radio.table.SetTone(0, ChannelField::DecodeTone, text); }

    ChannelTestRadio radio{ChannelTestRadio::kLmrVhf, 0x15};
};

TEST_F(ChannelTableFieldTest, SpUnmuteAndBusyLockoutListsFollowDecodeAndOption)
{
    EXPECT_EQ(radio.table.ValueList(ChannelField::SpUnmute, 5),
              (ValueList{{messages::channels::kCarrier, 0}})); // empty slot
    EXPECT_EQ(radio.table.ValueList(ChannelField::BusyChannelLockout, 5),
              (ValueList{{messages::common::kOff, 0}, {messages::channels::kCarrier, 1}}));
    EXPECT_EQ(List(ChannelField::SpUnmute), (ValueList{{messages::channels::kCarrier, 0}}));

    SetDecode("67.0");
    EXPECT_EQ(List(ChannelField::SpUnmute), (ValueList{{messages::channels::kQtDqt, 0}}));
    EXPECT_EQ(
        List(ChannelField::BusyChannelLockout),
        (ValueList{{messages::common::kOff, 0}, {messages::channels::kCarrier, 1}, {messages::channels::kQtDqt, 2}}));

    Set(ChannelField::OptionSignalling, 2);
    EXPECT_EQ(List(ChannelField::SpUnmute),
              (ValueList{{messages::channels::kQtDqt, 0},
                         {messages::channels::kQtDqtAndOptionSignalling, 1},
                         {messages::channels::kQtDqtOrOptionSignalling, 2}}));
    EXPECT_EQ(List(ChannelField::BusyChannelLockout),
              (ValueList{{messages::common::kOff, 0},
                         {messages::channels::kCarrier, 1},
                         {messages::channels::kQtDqt, 2},
                         {messages::channels::kOptionSignalling, 3}}));

    SetDecode("");
    EXPECT_EQ(List(ChannelField::SpUnmute),
              (ValueList{{messages::channels::kCarrier, 0},
                         {messages::channels::kCarrierAndOptionSignalling, 1},
                         {messages::channels::kCarrierOrOptionSignalling, 2}}));
    EXPECT_EQ(List(ChannelField::BusyChannelLockout),
              (ValueList{{messages::common::kOff, 0},
                         {messages::channels::kCarrier, 1},
                         {messages::channels::kOptionSignalling, 3}}));
}

TEST_F(ChannelTableFieldTest, ShowingEncodeWithoutTransmitFrequencyTurnsTheToneOff)
{
    radio.table.SetTone(0, ChannelField::EncodeTone, "D023N");
    EXPECT_EQ(Show(ChannelField::EncodeTone).text, "D023N");
    radio.Store(0, "", ChannelField::TransmitFrequency);
    EXPECT_EQ(Show(ChannelField::EncodeTone).text, "None");
    EXPECT_EQ(radio.Byte(0, 10), 0xFF);
    EXPECT_EQ(radio.Byte(0, 11), 0xFF);
}

TEST_F(ChannelTableFieldTest, SpUnmuteNoLongerOfferedIsCorrectedToZero)
{
    Set(ChannelField::OptionSignalling, 1);
    Set(ChannelField::SpUnmute, 2);
    EXPECT_EQ(Show(ChannelField::SpUnmute).messageId, messages::channels::kCarrierOrOptionSignalling);
    Set(ChannelField::OptionSignalling, 0);
    const FormattedField shown = Show(ChannelField::SpUnmute);
    EXPECT_EQ(shown.value, 0);
    EXPECT_EQ(shown.messageId, messages::channels::kCarrier);
    EXPECT_EQ(radio.Byte(0, 12), 0x00);
}

TEST_F(ChannelTableFieldTest, BusyLockoutNoLongerOfferedIsCorrectedToZero)
{
    SetDecode("67.0");
    Set(ChannelField::BusyChannelLockout, 2);
    EXPECT_EQ(radio.Byte(0, 12), 0x10);
    SetDecode("");
    const FormattedField shown = Show(ChannelField::BusyChannelLockout);
    EXPECT_EQ(shown.value, 0);
    EXPECT_EQ(shown.messageId, messages::common::kOff);
    EXPECT_EQ(radio.Byte(0, 12), 0x00);
}

TEST_F(ChannelTableFieldTest, PttIdOutsideItsTypeShowsNoneButIsKept)
{
    radio.state.image[ChannelTable::kPttIdTypeOffset] = 1;
    Set(ChannelField::PttId, 5);
    radio.state.image[ChannelTable::kPttIdTypeOffset] = 0;
    EXPECT_EQ(Show(ChannelField::PttId).messageId, messages::common::kOff);
    EXPECT_EQ(radio.Byte(0, 14) & 0x0F, 5);
    radio.state.image[ChannelTable::kPttIdTypeOffset] = 7;
    EXPECT_FALSE(Show(ChannelField::PttId).HasMessage());
}

TEST_F(ChannelTableFieldTest, ListFieldsStoreOnlyOfferedValuesInTheirBits)
{
    Set(ChannelField::OptionSignalling, 2);
    EXPECT_EQ(radio.Byte(0, 12), 0x04);
    Set(ChannelField::OptionSignalling, 3);
    EXPECT_EQ(radio.Byte(0, 12), 0x04);
    Set(ChannelField::TxPower, 0);
    Set(ChannelField::WideNarrow, 0);
    EXPECT_EQ(radio.Byte(0, 13), 0x0F);
    Set(ChannelField::AutodialMemory, 7);
    EXPECT_EQ(radio.Byte(0, 15), 0xFF);
    radio.state.image[ChannelTable::kPttIdTypeOffset] = 0;
    Set(ChannelField::PttId, 2);
    EXPECT_EQ(radio.Byte(0, 14) & 0x0F, 0);
    Set(ChannelField::ScanAdd, 0);
    EXPECT_FALSE(radio.table.ScanAdd(0));
    EXPECT_EQ(Show(ChannelField::ScanAdd).messageId, messages::common::kNo);
}

TEST_F(ChannelTableFieldTest, FieldSettersLeaveEmptySlotsEmpty)
{
    radio.table.SetTone(4, ChannelField::DecodeTone, "67.0");
    radio.table.SetListField(4, ChannelField::WideNarrow, 0);
    radio.table.SetCheckField(4, ChannelField::BeatShift, true);
    radio.table.SetScanAdd(4, true);
    EXPECT_TRUE(radio.state.View().AllEqual(16 + 16 * 4, 16, 0xFF));
    EXPECT_EQ(radio.state.image[382], 0x01);
}

TEST_F(ChannelTableFieldTest, PttIdIsDroppedWithTheTransmitFrequency)
{
    radio.state.image[ChannelTable::kPttIdTypeOffset] = 1;
    Set(ChannelField::PttId, 3);
    radio.table.ResetPttIdWithoutTransmit(0);
    EXPECT_EQ(radio.Byte(0, 14) & 0x0F, 3);
    radio.Store(0, "", ChannelField::TransmitFrequency);
    radio.table.ResetPttIdWithoutTransmit(0);
    EXPECT_EQ(radio.Byte(0, 14) & 0x0F, 0);
}

} // namespace
} // namespace qtr
