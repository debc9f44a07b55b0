#include "core/features/OptionalFeaturesForm.h"

#include "core/base/CommonMessages.h"
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
    FormDescription description{kTitleMessage, kHelpTopic, {}};
    auto& rows = description.rows;
    rows.resize(kRowCount);
    rows[kTimeOutTimer] = NumberRow(3009001, features::kTimeOutTimer, 3, {1, 40, 1}, features::TimeOutText, features::TimeOutUnits);
    rows[kTotPreAlert] = NumberRow(3009003, features::kTotPreAlert, 2, {0, 10, 1}, features::OffOrNumberText, features::OffOrNumber);
    rows[kSquelchLevel] = NumberRow(3009011, features::kSquelchLevel, 1, {0, 9, 1}, SquelchText, SquelchValue);
    rows[kMicSensitivity] = ListRow(3420052, features::kMicSensitivity, {{3010055, 0}, {3013015, 1}});
    rows[kVoiceAnnunciation] = ListRow(3420056, features::kVoiceAnnunciation, {{msg::kOffText, 0}, {1001037, 2}});
    rows[kCallingAlertLevel] =
        NumberRow(3420058, features::kCallingAlertLevel, 2, {0, 9, 1}, features::CallingLevelText, features::CallingLevelValue);
    rows[kBatterySave] = CheckRow(3320017, features::kBatterySave);
    rows[kBeep] = CheckRow(3420054, features::kBeep);
    rows[kScramblerActivation] = CheckRow(3420188, features::kScramblerActivation);
    rows[kScramblerActivation].affects = {Features::kScramblerBackup};
    rows[kScramblerBackup] = CheckRow(3420190, features::kScramblerBackup);
    rows[kScramblerBackup].enabled = [](const RadioState& state) { return state.Get(features::kScramblerActivation) != 1; };

    rows[kPttIdGroup] = PttIdGroupRow(GroupRow(3013007));
    rows[kPttIdType] = PttIdGroupRow(ListRow(3013047, features::kPttIdType, {{3013023, 0}, {3400001, 1}}));
    rows[kPttIdType].commitCode = CommitPttIdType;
    rows[kPttIdType].affects = {Features::kBeginOfTx, Features::kEndOfTx};
    rows[kPttId] = PttIdGroupRow(ListRow(3013007, features::kPttId, {{3013033, 0}, {3013035, 1}, {3013037, 2}}));
    rows[kPttId].affects = {Features::kBeginOfTx, Features::kEndOfTx};
    rows[kBeginOfTx] = PttIdGroupRow(PttCodeRow(3420098, features::kBeginOfTx, [](const RadioState& state) {
        return !IsVantalinkPttId(state) && state.Get(features::kPttId) != kPttIdAtEnd;
    }));
    rows[kEndOfTx] = PttIdGroupRow(PttCodeRow(3420100, features::kEndOfTx, [](const RadioState& state) {
        return !IsVantalinkPttId(state) && state.Get(features::kPttId) != kPttIdAtBegin;
    }));

    rows[kVoxGroup] = GroupRow(3420040);
    rows[kVoxFunction] = CheckRow(3420042, features::kVoxFunction);
    rows[kVoxFunction].affects = {Features::kVoxGainLevel, Features::kVoxDelayTime, Features::kCanceledByPtt,
                                  Features::kVoxProceedTone, Features::kTxInhibitOnBusy};
    rows[kVoxGainLevel] = VoxRow(NumberRow(3420044, features::kVoxGainLevel, 2, {0, 10, 1}, features::OffOrNumberText, features::OffOrNumber));
    rows[kVoxDelayTime] = VoxRow(ListRow(3420046, features::kVoxDelayTime,
                                         {{3420174, 0}, {3420176, 1}, {3420178, 2}, {3420180, 3}, {3420182, 4},
                                          {3420184, 5}}));
    rows[kCanceledByPtt] = VoxRow(CheckRow(3420048, features::kCanceledByPtt));
    rows[kVoxProceedTone] = VoxRow(CheckRow(3420172, features::kVoxProceedTone));
    rows[kTxInhibitOnBusy] = VoxRow(CheckRow(3420050, features::kTxInhibitOnBusy));

    rows[kModeGroup] = GroupRow(3320019);
    rows[kCloneMode] = CheckRow(3009025, features::kCloneMode);
    rows[kSelfProgram] = CheckRow(3009027, features::kSelfProgram);
    rows[kSelfProgram].visible = ShownOnParlane;
    return description;
}

} // namespace qtr
