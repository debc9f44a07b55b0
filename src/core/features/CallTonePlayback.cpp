#include "core/features/CallTonePlayback.h"

#include "core/base/Prompter.h"
#include "core/base/SoundPlayer.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Options.h"
#include "core/features/OptionalFeaturesRules.h"
#include "core/features/SettingsForm.h"

namespace qtr {

CallTonePlayback::CallTonePlayback(SoundPlayer& player, Prompter& prompter, std::string programFolder)
    : player_(player), prompter_(prompter), programFolder_(std::move(programFolder)),
      self_(std::make_shared<CallTonePlayback*>(this))
{
}

CallTonePlayback::~CallTonePlayback()
{
    stateChanged = nullptr; // whoever listened is going too
    Close();
}

void CallTonePlayback::PlayOrStop(const std::string& levelText)
{
    if (playing_)
        Stop();
    else
        Play(levelText);
}

void CallTonePlayback::LevelChanged(const std::string& levelText)
{
    if (playing_ && form::TypedNumber(levelText) != level_)
        Stop();
}

void CallTonePlayback::Close()
{
    if (!playing_)
        return;
    player_.Stop();
    BecomeIdle();
}

void CallTonePlayback::Play(const std::string& levelText)
{
    file_ = features::CallToneFileName(programFolder_, levelText);
    if (const SoundPlayer::Opening opening = player_.Open(file_); opening != SoundPlayer::Opening::Opened) {
        Fail(opening == SoundPlayer::Opening::NoOutput ? messages::options::kNoSoundOutput
                                                       : messages::options::kCallToneCannotOpen);
        return;
    }
    const int playNumber = ++playNumber_;
    const std::weak_ptr<CallTonePlayback*> self = self_;
    const bool started = player_.Play([self, playNumber] {
        if (const auto alive = self.lock())
            (*alive)->Finished(playNumber);
    });
    if (!started) {
        player_.Close();
        Fail(messages::options::kCallToneCannotPlay);
        return;
    }
    playing_ = true;
    level_ = form::TypedNumber(levelText);
    if (stateChanged)
        stateChanged();
}

void CallTonePlayback::Stop()
{
    if (!player_.Stop()) {
        Fail(messages::options::kCallToneCannotStop);
        return;
    }
    BecomeIdle();
}

void CallTonePlayback::Finished(int playNumber)
{
    if (playing_ && playNumber == playNumber_)
        BecomeIdle();
}

void CallTonePlayback::BecomeIdle()
{
    player_.Close();
    playing_ = false;
    if (stateChanged)
        stateChanged();
}

void CallTonePlayback::Fail(int messageId) const
{
    prompter_.Ask({.captionId = messages::common::kErrorCaption,
                   .messageId = messageId,
                   .detail = file_,
                   .form = PromptForm::MessageThenDetail,
                   .icon = Icon::Error});
}

} // namespace qtr
