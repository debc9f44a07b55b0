#include "core/features/OptionalFeaturesForm.h"

#include "core/base/messages/Channels.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Dtmf.h"
#include "core/base/messages/Options.h"
#include "core/base/messages/Vantalink.h"
#include "core/features/FormRows.h"
#include "core/features/OptionalFeaturesRules.h"
#include "core/model/FeatureFields.h"
#include "core/model/RadioState.h"

namespace qtr {

namespace {

using namespace form;
using Features = OptionalFeaturesForm;

constexpr unsigned kPttIdTypeVantalink = 1;
constexpr unsigned kPttIdAtBegin = 0;
constexpr unsigned kPttIdAtEnd = 1;

FieldText SquelchText(unsigned stored)
{
    return features::NumberText(stored, 9);
}

unsigned SquelchValue(long long typed)
{
    return static_cast<unsigned>(std::clamp<long long>(typed, 0, 9));
}

FormRow PttCodeRow(int label, ImageRange code, StateRule enabled)
{
    FormRow row = EditRow(label, code, {code.length, InputClass::DtmfCharacters});
    row.display = [code](const RadioState& state) {
        return FieldText::Plain(features::PttCodeText(state.Reader(), code));
    };
    row.commitText = [code](RadioState& state, const std::string& text) {
        features::StorePttCode(state.View(), code, text);
        return kNoEffect;
    };
    row.enabled = std::move(enabled);
    return row;
}

bool IsVantalinkPttId(const RadioState& state)
{
    return state.Get(features::kPttIdType) == kPttIdTypeVantalink;
}

bool VoxOn(const RadioState& state)
{
    return state.Get(features::kVoxFunction) != 0;
}

bool ShownOnParlane(const RadioState& state)
{
    return state.IsParlane();
}

Effects CommitPttIdType(RadioState& state, unsigned code)
{
    if (state.Get(features::kPttIdType) == code)
        return kNoEffect;
    state.Set(features::kPttIdType, code);
    features::NormaliseChannelPttIds(state);
    // The channels' PTT ID lists follow the type even where no record changed.
    return kChannelRecordsChanged;
}

FormRow VoxRow(FormRow row)
{
    row.enabled = VoxOn;
    return row;
}

FormRow PttIdGroupRow(FormRow row)
{
    row.visible = ShownOnLmr;
    return row;
}

} // namespace

OptionalFeaturesForm::OptionalFeaturesForm(RadioState& state, const MessageCatalog& catalog)
    : form_(state, catalog, Describe())
{
}

FormDescription OptionalFeaturesForm::Describe()
{
    FormDescription description;
    auto& rows = description.rows;
    rows.resize(kRowCount);
    rows[kTimeOutTimer] = NumberRow(messages::options::kTimeOutTimer, features::kTimeOutTimer, 3, {1, 40, 1},
                                    features::TimeOutText, features::TimeOutUnits);
    rows[kTotPreAlert] = NumberRow(messages::options::kTotPreAlert, features::kTotPreAlert, 2, {0, 10, 1},
                                   features::OffOrNumberText, features::OffOrNumber);
    rows[kSquelchLevel] =
        NumberRow(messages::options::kSquelchLevel, features::kSquelchLevel, 1, {0, 9, 1}, SquelchText, SquelchValue);
    rows[kMicSensitivity] = ListRow(messages::options::kMicSensitivity, features::kMicSensitivity,
                                    {{messages::common::kNormal, 0}, {messages::common::kHigh, 1}});
    rows[kVoiceAnnunciation] = ListRow(messages::options::kVoiceAnnunciation, features::kVoiceAnnunciation,
                                       {{messages::common::kOff, 0}, {messages::common::kOn, 2}});
    rows[kCallingAlertLevel] = NumberRow(messages::options::kCallingAlertLevel, features::kCallingAlertLevel, 2,
                                         {0, 9, 1}, features::CallingLevelText, features::CallingLevelValue);
    rows[kBatterySave] = CheckRow(messages::options::kBatterySave, features::kBatterySave);
    rows[kBeep] = CheckRow(messages::options::kBeep, features::kBeep);
    rows[kScramblerActivation] = CheckRow(messages::options::kScramblerActivation, features::kScramblerActivation);
    rows[kScramblerActivation].affects = {Features::kScramblerBackup};
    rows[kScramblerBackup] = CheckRow(messages::options::kScramblerBackup, features::kScramblerBackup);
    rows[kScramblerBackup].enabled = [](const RadioState& state) { return state.Get(features::kScramblerActivation) != 1; };

    rows[kPttIdGroup] = PttIdGroupRow(GroupRow(messages::channels::kPttId));
    rows[kPttIdType] = PttIdGroupRow(ListRow(messages::options::kPttIdType, features::kPttIdType,
                                             {{messages::dtmf::kName, 0}, {messages::vantalink::kName, 1}}));
    rows[kPttIdType].commitCode = CommitPttIdType;
    rows[kPttIdType].affects = {Features::kBeginOfTx, Features::kEndOfTx};
    rows[kPttId] = PttIdGroupRow(ListRow(messages::channels::kPttId, features::kPttId,
                                         {{messages::options::kPttIdBeginOfTx, 0},
                                          {messages::options::kPttIdEndOfTx, 1},
                                          {messages::options::kPttIdBeginAndEnd, 2}}));
    rows[kPttId].affects = {Features::kBeginOfTx, Features::kEndOfTx};
    rows[kBeginOfTx] =
        PttIdGroupRow(PttCodeRow(messages::options::kVoxBeginOfTx, features::kBeginOfTx, [](const RadioState& state) {
            return !IsVantalinkPttId(state) && state.Get(features::kPttId) != kPttIdAtEnd;
        }));
    rows[kEndOfTx] =
        PttIdGroupRow(PttCodeRow(messages::options::kVoxEndOfTx, features::kEndOfTx, [](const RadioState& state) {
            return !IsVantalinkPttId(state) && state.Get(features::kPttId) != kPttIdAtBegin;
        }));

    rows[kVoxGroup] = GroupRow(messages::options::kVox);
    rows[kVoxFunction] = CheckRow(messages::options::kVoxFunction, features::kVoxFunction);
    rows[kVoxFunction].affects = {Features::kVoxGainLevel, Features::kVoxDelayTime, Features::kCanceledByPtt,
                                  Features::kVoxProceedTone, Features::kTxInhibitOnBusy};
    rows[kVoxGainLevel] = VoxRow(NumberRow(messages::options::kVoxGainLevel, features::kVoxGainLevel, 2, {0, 10, 1},
                                           features::OffOrNumberText, features::OffOrNumber));
    rows[kVoxDelayTime] = VoxRow(ListRow(messages::options::kVoxDelayTime, features::kVoxDelayTime,
                                         {{messages::options::kSeconds0_5, 0},
                                          {messages::options::kSeconds1_0, 1},
                                          {messages::options::kSeconds1_5, 2},
                                          {messages::options::kSeconds2_0, 3},
                                          {messages::options::kSeconds2_5, 4},
                                          {messages::options::kSeconds3_0, 5}}));
    rows[kCanceledByPtt] = VoxRow(CheckRow(messages::options::kCanceledByPtt, features::kCanceledByPtt));
    rows[kVoxProceedTone] = VoxRow(CheckRow(messages::options::kVoxProceedTone, features::kVoxProceedTone));
    rows[kTxInhibitOnBusy] = VoxRow(CheckRow(messages::options::kTxInhibitOnBusy, features::kTxInhibitOnBusy));

    rows[kModeGroup] = GroupRow(messages::options::kBatterySaveMode);
    rows[kCloneMode] = CheckRow(messages::options::kCloneMode, features::kCloneMode);
    rows[kSelfProgram] = CheckRow(messages::options::kSelfProgram, features::kSelfProgram);
    rows[kSelfProgram].visible = ShownOnParlane;
    return description;
}

} // namespace qtr
