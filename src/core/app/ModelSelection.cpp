#include "core/app/ModelSelection.h"

#include "core/base/Prompter.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Model.h"
#include "core/document/Document.h"
#include "core/document/ImageReplacer.h"
#include "core/model/KeyFields.h"
#include "core/model/ModelDefaults.h"
#include "core/model/ScanFields.h"

namespace qtr {

namespace {

constexpr int kFifteenChannelPosition = 2;
constexpr int kSixteenChannelPosition = 3;

bool IsUhfModelType(int modelType)
{
    return modelType == 2 || modelType == 3 || modelType == 6 || modelType == 7;
}

} // namespace

ModelSelection::ModelSelection(RadioState& state, Document& document, ImageReplacer& replacer, Prompter& prompter)
    : state_(state), document_(document), replacer_(replacer), prompter_(prompter),
      lineAtOpening_(state.LineLetter()), flagAtOpening_(state.sixteenChannelFlag)
{
    state_.TakeSnapshot();
    model_ = state_.ModelTypeOfImage();
    uhfSelected_ = IsUhfModelType(model_);
    FillChannelList();
    const int row = state_.ChannelClassRow(state_.currentModel[identity::kRecordType]);
    const auto rows = AllowedChannelClassRows(state_.ImageModelCode());
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i] == row)
            channel_ = static_cast<int>(i);
}

void ModelSelection::FillChannelList()
{
    channels_.clear();
    for (const int row : AllowedChannelClassRows(state_.ImageModelCode())) {
        const auto& entry = ChannelClassTable()[static_cast<std::size_t>(row)];
        channels_.push_back({entry.text, entry.typeByte});
    }
}

void ModelSelection::SelectModel(int modelType)
{
    if (modelType == model_ || modelType < 0 || modelType >= kModelTypeCount)
        return;
    state_.SetModelCode(modelType);
    const bool uhf = IsUhfModelType(modelType);
    state_.Set(identity::kBandCode, uhf ? 0x8 : 0x1);
    const unsigned bits = modelType % 2 == 0 ? kStandardOptionBits : kLVariantOptionBits;
    state_.Set(identity::kOptionBits, bits);
    state_.Set(identity::kLineLetter, modelType < 4 ? kLmrLine : kParlaneLine);
    uhfSelected_ = uhf;
    model_ = modelType;
    FillChannelList();
    channel_ = 0; // "2 Channels" leads both lists
    state_.sixteenChannelFlag = true;
}

void ModelSelection::SelectChannel(int position)
{
    if (position < 0 || position >= static_cast<int>(channels_.size()))
        return;
    static const unsigned vhfCodes[] = {0x0, 0x5};
    static const unsigned uhfCodes[] = {0x0, 0x5, 0xB, 0xB};
    const unsigned code = uhfSelected_ ? uhfCodes[position] : vhfCodes[position];
    const bool fifteen = uhfSelected_ && position == kFifteenChannelPosition;
    const bool flagWasSet = state_.sixteenChannelFlag;
    if ((fifteen && flagWasSet) || (uhfSelected_ && position == kSixteenChannelPosition && !flagWasSet))
        changeMark_ = true;
    state_.Set(identity::kChannelCountCode, code);
    state_.sixteenChannelFlag = !fifteen;
    channel_ = position;
}

std::uint8_t ModelSelection::SelectedTypeByte() const
{
    if (channel_ < 0)
        return state_.currentModel[identity::kRecordType];
    return channels_[static_cast<std::size_t>(channel_)].typeByte;
}

bool ModelSelection::ChangesAnything()
{
    return state_.ModelTypeOfRecord(state_.currentModel) != model_ ||
           state_.currentModel[identity::kRecordType] != SelectedTypeByte() || changeMark_;
}

ModelSelection::Outcome ModelSelection::Ok()
{
    state_.WriteSixteenChannelCode();
    if (!ChangesAnything())
        return Outcome::Closed;
    const bool lineChanged = state_.LineLetter() != lineAtOpening_;
    if (prompter_.Ask(
            {.captionId = messages::common::kWarningCaption,
             .messageId = lineChanged ? messages::model::kOtherLineQuestion : messages::model::kSameLineQuestion,
             .buttons = Buttons::OkCancel,
             .icon = Icon::Warning}) != Answer::Ok)
        return Outcome::StayOpen;
    // ApplyModel decides whether the new image counts as saved.
    replacer_.ReplaceImage({.reason = ImageReason::ModelChange,
                            .install = [this, lineChanged] { InstallModel(lineChanged); },
                            .markSaved = false,
                            .help = HelpFileChange::FollowModel});
    return Outcome::Closed;
}

void ModelSelection::InstallModel(bool lineChanged)
{
    if (state_.sixteenChannelFlag) {
        const bool parlane = state_.IsParlane();
        state_.Set(keys::kPf1, parlane ? 3 : 1);
        state_.Set(keys::kPf2, parlane ? 7 : 10);
    }
    ApplyModel();
    document_.SetUntitled();
    if (lineChanged)
        ApplyModelDefaults(state_, ModelReset::Keep);
    ApplyChannelPlan(state_);
    if (state_.LineLetter() == kLmrLine) {
        state_.Set(scan::kFixedChannel, scan::kNoChannel);
        ApplyModel();
    }
}

void ModelSelection::ApplyModel()
{
    state_.CommitModel(SelectedTypeByte());
    state_.CopyCurrentModelIntoImage();
    state_.UpdateBand();
    ClearChannels(state_);
    ApplyTestFrequencyDefaults(state_);
    state_.Set(scan::kPriority, 0);
    state_.Set(scan::kPriorityChannel, scan::kNoChannel);
    state_.Set(scan::kRevertChannel, state_.sixteenChannelFlag ? 1 : scan::kRevertToFixedChannel);
    if (state_.LineLetter() == kLmrLine)
        state_.MarkSaved();
}

void ModelSelection::Cancel()
{
    state_.RestoreSnapshot();
    // The flag belongs to the model as much as the image does; without this a cancelled
    // choice would leave a 15-channel radio counted as 16 channels.
    state_.sixteenChannelFlag = flagAtOpening_;
}

} // namespace qtr
