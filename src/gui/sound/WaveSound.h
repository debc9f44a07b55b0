#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QString>

#include <chrono>
#include <optional>

namespace qtr::gui {

// A wave file read whole into memory: the format of its samples and the samples themselves.
class WaveSound {
public:
    // Nothing when the path is not a regular readable file of a sane size, or not a wave file
    // with at least one sample.
    static std::optional<WaveSound> Load(const QString& path);

    const QAudioFormat& Format() const { return format_; }
    const QByteArray& Samples() const { return samples_; }
    std::chrono::milliseconds Duration() const;

private:
    WaveSound(const QAudioFormat& format, const QByteArray& samples) : format_(format), samples_(samples) {}

    QAudioFormat format_;
    QByteArray samples_;
};

} // namespace qtr::gui
