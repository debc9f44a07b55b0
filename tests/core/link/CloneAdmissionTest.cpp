#include "TestImages.h"
#include "core/link/CloneAdmission.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

// A radio of a fleet against the image of an RB-8100 Parlane with 8 channels ("P8100", 0x85, 'B').
class CloneAdmissionTest : public testing::Test {
protected:
    CloneAdmissionTest() { test::StartWithModel(state, test::RecordFor(6, 0x85)); }

    RadioIdentity Radio() const
    {
        RadioIdentity radio{};
        std::copy_n(state.image.begin() + 440, radio.size(), radio.begin());
        return radio;
    }
    CloneRefusal Check(const RadioIdentity& radio) const { return CheckCloneTarget(radio, state.image); }

    RadioState state;
};

TEST_F(CloneAdmissionTest, TakesOnlyARadioThatAPlainWriteWouldWriteWithoutAQuestion)
{
    EXPECT_EQ(Check(Radio()), CloneRefusal::None);

    auto unknown = Radio();
    unknown[0] = 'X';
    EXPECT_EQ(Check(unknown), CloneRefusal::UnknownModel);

    auto other = Radio();
    other[2] = '7'; // "P8700" is no model; "P7100" is another one
    EXPECT_EQ(Check(other), CloneRefusal::UnknownModel);
    const std::string vhf = "P7100";
    std::copy(vhf.begin(), vhf.end(), other.begin());
    EXPECT_EQ(Check(other), CloneRefusal::OtherModel);

    auto line = Radio();
    line[7] = 'L';
    EXPECT_EQ(Check(line), CloneRefusal::OtherLine);

    auto channels = Radio();
    channels[5] = 0x80; // 2 channels
    EXPECT_EQ(Check(channels), CloneRefusal::OtherChannelClass);

    // A plain write asks before writing a radio of another band; a fleet does not ask.
    auto band = Radio();
    band[5] = 0x95;
    EXPECT_EQ(Check(band), CloneRefusal::OtherBand);

    // The same code on an image that says it is an "L" variant: a plain write refuses.
    state.image[446] = 0xFD;
    EXPECT_EQ(Check(Radio()), CloneRefusal::OtherModel);
}

} // namespace
} // namespace qtr
