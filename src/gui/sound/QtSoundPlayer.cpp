#include "gui/sound/QtSoundPlayer.h"

#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>

namespace qtr::gui {

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer()
{
    Close();
}

SoundPlayer::Opening QtSoundPlayer::Open(const std::string& path)
{
    Close();
    std::optional<WaveSound> sound = WaveSound::Load(QString::fromStdString(path));
    if (!sound)
        return Opening::BadFile;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(sound->Format()))
        return Opening::NoOutput;
    sound_ = std::move(sound);
    device_ = device;
    return Opening::Opened;
}

bool QtSoundPlayer::Play(std::function<void()> finished)
{
    if (!sound_ || !Stop())
        return false;
    ReleaseOutput();
    samples_.setData(sound_->Samples());
    samples_.open(QIODevice::ReadOnly);
    output_ = std::make_unique<QAudioSink>(device_, sound_->Format());
    const unsigned playback = ++playback_;
    QObject::connect(
        output_.get(), &QAudioSink::stateChanged, &notices_,
        [this, playback](QAudio::State state) { OnOutputStateChanged(playback, state); }, Qt::QueuedConnection);
    output_->start(&samples_);
    if (output_->error() != QAudio::NoError) {
        ReleaseOutput();
        return false;
    }
    finished_ = std::move(finished);
    playingFor_.start();
    return true;
}

bool QtSoundPlayer::Stop()
{
    ++playback_;
    finished_ = nullptr;
    if (!output_)
        return true;
    output_->stop();
    return output_->state() == QAudio::StoppedState;
}

void QtSoundPlayer::Close()
{
    Stop();
    ReleaseOutput();
    sound_.reset();
}

void QtSoundPlayer::OnOutputStateChanged(unsigned playback, QAudio::State state)
{
    if (playback != playback_)
        return;
    if (state == QAudio::IdleState && samples_.atEnd())
        FinishAfterTheLastSample(playback);
    // Stop() has moved the playback on, so this stop came from the device (lost or failed).
    else if (state == QAudio::StoppedState)
        Finish(playback);
}

// The output turns idle once it has taken the last sample, which may still wait in the sound
// system's buffer; stopping the output now would cut the tone short.
void QtSoundPlayer::FinishAfterTheLastSample(unsigned playback)
{
    using std::chrono::milliseconds;
    const milliseconds remaining = sound_->Duration() - milliseconds(playingFor_.elapsed());
    QTimer::singleShot(std::max(remaining, milliseconds(0)), &notices_, [this, playback] { Finish(playback); });
}

void QtSoundPlayer::Finish(unsigned playback)
{
    if (playback != playback_)
        return;
    ++playback_;
    output_->stop();
    if (const std::function<void()> finished = std::exchange(finished_, nullptr))
        finished();
}

void QtSoundPlayer::ReleaseOutput()
{
    ++playback_;
    output_.reset();
    samples_.close();
}

} // namespace qtr::gui
