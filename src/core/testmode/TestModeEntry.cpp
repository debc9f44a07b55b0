#include "core/testmode/TestModeEntry.h"

#include "core/link/IdentityCheck.h"
#include "core/link/RadioSession.h"
#include "core/link/Retry.h"
#include "core/model/IdentityFields.h"
#include "core/model/ModelRecordText.h"
#include "core/model/TestFrequencyFields.h"
#include "core/testmode/TestModeBytes.h"
#include "core/testmode/TestModeLink.h"

#include <algorithm>

namespace qtr::testmode {

void SendEndOfTestMode(RadioSession& session)
{
    session.Link().Port().PurgeReceive();
    session.Link().Port().WriteByte(wire::kEnd);
}

void TakeModelFromImage(const ImageBytes& image, TestModeValues& values)
{
    const ImageReader reader(image);
    values.lineB = reader.Get(identity::kLineLetter) == 'B';
    values.typeByte = static_cast<std::uint8_t>(reader.Get(identity::kTypeByte));
}

bool TestModeEntry::Run()
{
    RadioLink& link = session_.Link();
    link.State().reading = false;
    link.State().writing = false;
    if (!session_.OpenRadioPort())
        return false;
    ImageBytes radioChannels{};
    if (!Enter(radioChannels))
        return false;
    if (image_ == nullptr)
        return true;
    const auto& range = testfreq::kEntries;
    const auto first = image_->begin() + static_cast<std::ptrdiff_t>(range.offset);
    if (!std::equal(first, first + static_cast<std::ptrdiff_t>(range.length), radioChannels.begin() + range.offset)) {
        RefuseOtherTestChannels();
        return false;
    }
    TakeModelFromImage(*image_, values_);
    return true;
}

// Tries again after a failed attempt while the user answers Retry; false when the radio was
// refused or the user cancelled (test mode ended and the port closed).
bool TestModeEntry::Enter(ImageBytes& radioChannels)
{
    RadioLink& link = session_.Link();
    Attempt attempt = Attempt::Failed;
    const auto enter = [&] {
        RestartIfPending();
        session_.BeginStep({});
        attempt = TryToEnter(radioChannels);
        return attempt != Attempt::Failed;
    };
    const auto again = [&] {
        if (!session_.AskRetry()) {
            SendEndOfTestMode(session_);
            link.Port().SetOpen(0);
            return false;
        }
        link.State().retryPending = true;
        return true;
    };
    return RetryUntilDone(enter, again) && attempt == Attempt::Entered;
}

// A radio that may still be in test mode from the failed attempt is taken out of it first.
void TestModeEntry::RestartIfPending()
{
    RadioLink& link = session_.Link();
    if (!link.State().retryPending)
        return;
    link.Port().WriteByte(wire::kEnd);
    link.Port().WriteByte(wire::kEnd);
    SerialPort::DelayMs(link.Timing().testModeRestartMs);
    link.State().retryPending = false;
}

TestModeEntry::Attempt TestModeEntry::TryToEnter(ImageBytes& radioChannels)
{
    TestModeLink link(session_.Link());
    if (link.EnterTuning() != LinkResult::Done)
        return Attempt::Failed;
    Attempt refusal = Attempt::Failed;
    if (!Identify(refusal))
        return refusal;
    TestData data{};
    if (link.ReadTestData(data.data(), static_cast<std::uint16_t>(data.size())) != LinkResult::Done)
        return Attempt::Failed;
    values_.StoreTestData(data);
    return ReadTestChannels(radioChannels) ? Attempt::Entered : Attempt::Failed;
}

bool TestModeEntry::Identify(Attempt& refusal)
{
    // Only the model-code list applies: neither reading nor writing an image.
    const ImageBytes noImage{};
    IdentityCheck check(session_, noImage);
    for (;;) {
        RadioIdentity identity{};
        if (session_.Link().Identify(identity) != LinkResult::Done)
            return false;
        switch (check.Check(identity)) {
        case IdentityCheck::Verdict::Accepted:
            radioIdentity_ = identity;
            return true;
        case IdentityCheck::Verdict::Refused:
            refusal = Attempt::Refused;
            return false;
        case IdentityCheck::Verdict::IdentifyAgain:
            break;
        }
    }
}

// The radio's records go where the image keeps them, so the two compare byte by byte.
bool TestModeEntry::ReadTestChannels(ImageBytes& radioChannels)
{
    RadioLink& link = session_.Link();
    link.State().acceptNak = true;
    bool complete = true;
    for (int channel = 1; channel <= wire::kTestChannelCount && complete && !link.StopRequested(); ++channel) {
        TestChannelRecord record{};
        complete = TestModeLink(link).SelectTestChannel(static_cast<std::uint8_t>(channel), record) == LinkResult::Done;
        std::copy(record.begin(), record.end(), radioChannels.begin() + testfreq::EntryOf(channel - 1).offset);
    }
    link.State().acceptNak = false;
    return complete && !link.StopRequested();
}

void TestModeEntry::RefuseOtherTestChannels()
{
    SendEndOfTestMode(session_);
    session_.Ask(RadioSession::kErrorCaptionId, kTestChannelsDifferId, Buttons::Ok, Icon::Error, Answer::Ok,
                 session_.ModelsDetail(radioIdentity_, ModelRecordOf(*image_)));
    session_.Link().Port().SetOpen(0);
}

} // namespace qtr::testmode
