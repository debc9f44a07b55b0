#include "gui/sound/WaveSound.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QWaveDecoder>

namespace qtr::gui {

namespace {

// Far above any call tone; keeps a wrongly named huge file from being read into memory.
constexpr qint64 kLargestFile = 64 * 1024 * 1024;

std::optional<QByteArray> ReadSmallRegularFile(const QString& path)
{
    // Only regular files: opening a named pipe for reading would wait for a writer forever.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kLargestFile)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace

std::optional<WaveSound> WaveSound::Load(const QString& path)
{
    std::optional<QByteArray> bytes = ReadSmallRegularFile(path);
    if (!bytes)
        return std::nullopt;
    QBuffer file(&*bytes);
    file.open(QIODevice::ReadOnly);
    // With the whole file at hand the decoder reads the header within open().
    QWaveDecoder decoder(&file);
    if (!decoder.open(QIODevice::ReadOnly) || !decoder.audioFormat().isValid())
        return std::nullopt;
    const QByteArray samples = decoder.readAll();
    if (samples.size() < decoder.audioFormat().bytesPerFrame())
        return std::nullopt;
    return WaveSound(decoder.audioFormat(), samples);
}

std::chrono::milliseconds WaveSound::Duration() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::microseconds(format_.durationForBytes(static_cast<qint32>(samples_.size()))));
}

} // namespace qtr::gui
