#include "core/testmode/TestModePanelModel.h"

#include "core/base/MessageCatalog.h"
#include "core/link/RadioSession.h"
#include "core/link/Retry.h"
#include "core/model/FrequencyCodec.h"
#include "core/model/TestFrequencyFields.h"
#include "core/testmode/TestModeEntry.h"
#include "core/testmode/TestModeLink.h"
#include "core/testmode/TuningItems.h"
#include "core/base/messages/TestMode.h"

namespace qtr::testmode {

namespace {

constexpr int kNameIdStep = 4;
constexpr char kUnit[] = "MHz";
using testfreq::kUnset;

} // namespace

TestModePanelModel::TestModePanelModel(RadioSession& session, const ImageBytes& image, TestModeValues& values)
    : session_(session), image_(image), values_(values)
{
}

const std::uint8_t* TestModePanelModel::Record(int channel) const
{
    return image_.data() + testfreq::EntryOf(channel - 1).offset;
}

std::vector<int> TestModePanelModel::Channels() const
{
    std::vector<int> channels;
    for (int channel = 1; channel <= testfreq::kEntryCount; ++channel) {
        if (Record(channel)[0] != kUnset)
            channels.push_back(channel);
    }
    return channels;
}

std::string TestModePanelModel::ReceiveText(int channel) const
{
    return FrequencyCodec::FormatFrequency(Record(channel) + testfreq::entry::kReceiveFrequency.offset) + kUnit;
}

std::string TestModePanelModel::TransmitText(int channel, const MessageCatalog& catalog) const
{
    const std::uint8_t* field = Record(channel) + testfreq::entry::kTransmitFrequency.offset;
    if (field[0] == kUnset)
        return catalog.MessageText(kNoTransmitFrequencyId, 1);
    return FrequencyCodec::FormatFrequency(field) + kUnit;
}

int TestModePanelModel::ReceiveSignallingNameId(int signalling)
{
    return messages::testmode::kFirstReceiveName + kNameIdStep * (signalling - 1);
}

int TestModePanelModel::TransmitSignallingNameId(int signalling)
{
    return messages::testmode::kFirstTransmitName + kNameIdStep * (signalling - 1);
}

void TestModePanelModel::StoreFrequencyTexts(int channel, const MessageCatalog& catalog)
{
    values_.rxText = ReceiveText(channel);
    values_.txText = TransmitText(channel, catalog);
}

bool TestModePanelModel::Exchange(const std::function<LinkResult()>& exchange, OnCancel onCancel)
{
    const auto again = [&] {
        if (session_.AskRetry())
            return true;
        if (onCancel == OnCancel::EndTestMode)
            SendEndOfTestMode(session_);
        closing_ = closing_ || onCancel != OnCancel::Skip;
        return false;
    };
    return RetryUntilDone([&] { return exchange() == LinkResult::Done; }, again);
}

TestModeLink TestModePanelModel::Link()
{
    return TestModeLink(session_.Link());
}

PanelStep TestModePanelModel::Failed()
{
    return closing_ ? PanelStep::ClosePanel : PanelStep::Stopped;
}

bool TestModePanelModel::Unkey()
{
    if (!values_.transmitting)
        return true;
    if (!Exchange([this] { return Link().SetTransmit(false); }, OnCancel::ClosePanel))
        return false;
    values_.transmitting = false;
    return true;
}

LinkResult TestModePanelModel::ReadAdjustments()
{
    TestData data{};
    if (Link().ReadTestData(data.data(), static_cast<std::uint16_t>(data.size())) != LinkResult::Done)
        return LinkResult::Failed;
    values_.StoreTestData(data);
    return LinkResult::Done;
}

PanelStep TestModePanelModel::Open(const MessageCatalog& catalog)
{
    values_.wide = true;
    values_.transmitting = false;
    values_.selectedSignalling = 1;
    const auto channels = Channels();
    // A radio without a test channel has none to select.
    if (!channels.empty() && SelectChannel(channels.front(), catalog) != PanelStep::Done)
        return PanelStep::ClosePanel;
    return SelectSignalling(1);
}

PanelStep TestModePanelModel::SelectChannel(int channel, const MessageCatalog& catalog)
{
    values_.selectedChannel = channel;
    if (!Unkey())
        return Failed();
    TestChannelRecord record{};
    const auto select = [&] { return Link().SelectTestChannel(static_cast<std::uint8_t>(channel), record); };
    if (!Exchange(select, OnCancel::ClosePanel))
        return Failed();
    StoreFrequencyTexts(channel, catalog);
    return PanelStep::Done;
}

PanelStep TestModePanelModel::SelectSignalling(int signalling)
{
    values_.selectedSignalling = signalling;
    if (!Unkey())
        return Failed();
    const auto select = [&] { return Link().SetTestSignalling(static_cast<std::uint8_t>(signalling)); };
    return Exchange(select, OnCancel::ClosePanel) ? PanelStep::Done : Failed();
}

PanelStep TestModePanelModel::SetWide(bool wide)
{
    if (!Unkey())
        return Failed();
    if (!Exchange([&] { return Link().SetWide(wide); }, OnCancel::EndTestMode))
        return Failed();
    values_.wide = wide;
    return PanelStep::Done;
}

PanelStep TestModePanelModel::TogglePtt()
{
    const bool on = !values_.transmitting;
    if (!Exchange([&] { return Link().SetTransmit(on); }, OnCancel::ClosePanel))
        return Failed();
    values_.transmitting = on;
    return PanelStep::Done;
}

PanelStep TestModePanelModel::StartTuning(int itemIndex)
{
    if (itemIndex < 0 || itemIndex >= kTuningItemCount)
        return PanelStep::Stopped;
    if (!Unkey())
        return Failed();
    const std::uint8_t code = TuningItems()[static_cast<std::size_t>(itemIndex)].code;
    const auto readAndSelect = [&] {
        if (ReadAdjustments() != LinkResult::Done)
            return LinkResult::Failed;
        values_.currentItemCode = code;
        return Link().SendCodeEnter(code);
    };
    return Exchange(readAndSelect, OnCancel::EndTestMode) ? PanelStep::Done : Failed();
}

PanelStep TestModePanelModel::PrepareAdjustmentPrint()
{
    if (!Unkey())
        return Failed();
    if (session_.Ask(kQuestionCaptionId, kPrintQuestionId, Buttons::OkCancel, Icon::Question, Answer::Cancel) !=
        Answer::Ok)
        return PanelStep::Stopped;
    return Exchange([this] { return ReadAdjustments(); }, OnCancel::EndTestMode) ? PanelStep::Done : Failed();
}

void TestModePanelModel::ReportPrinted()
{
    session_.Ask(kQuestionCaptionId, kPrintedId, Buttons::Ok, Icon::Information);
}

void TestModePanelModel::Close()
{
    if (values_.transmitting)
        Exchange([this] { return Link().SetTransmit(false); }, OnCancel::Skip);
    values_.transmitting = false;
    const auto signalling = [this] {
        return Link().SetTestSignalling(static_cast<std::uint8_t>(values_.selectedSignalling));
    };
    Exchange(signalling, OnCancel::Skip);
    SendEndOfTestMode(session_);
    closing_ = true;
}

void TestModePanelModel::CloseFromWindowManager()
{
    if (!closing_)
        Close();
}

void TestModePanelModel::Finish()
{
    closing_ = true;
    session_.Link().Port().SetOpen(0);
}

} // namespace qtr::testmode
