#pragma once

#include "core/base/SoundPlayer.h"
#include "gui/sound/WaveSound.h"

#include <QAudio>
#include <QAudioDevice>
#include <QBuffer>
#include <QElapsedTimer>
#include <QObject>

#include <memory>
#include <optional>

class QAudioSink;

namespace qtr::gui {

// Plays the call tones on the computer's default sound output. The wave file is read and
// checked whole when it is opened, so that every failure shows there and not halfway through
// playing; its samples then go straight to the output, which needs no media back end.
class QtSoundPlayer : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    Opening Open(const std::string& path) override;
    // `finished` is called on the GUI thread, never from within Play, Stop or Close.
    bool Play(std::function<void()> finished) override;
    bool Stop() override;
    void Close() override;

private:
    void OnOutputStateChanged(unsigned playback, QAudio::State state);
    void FinishAfterTheLastSample(unsigned playback);
    void Finish(unsigned playback);
    void ReleaseOutput();

    // Receives the output's notices queued; it outlives every output, so that a notice never
    // arrives at an output already deleted.
    QObject notices_;
    QAudioDevice device_;
    std::optional<WaveSound> sound_;
    QBuffer samples_;
    std::unique_ptr<QAudioSink> output_;
    std::function<void()> finished_;
    QElapsedTimer playingFor_;
    // Moves on with every start and every stop, so that late notices of an earlier playback
    // are recognised and ignored.
    unsigned playback_ = 0;
};

} // namespace qtr::gui
