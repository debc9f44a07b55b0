// Writes the ten call tones "Call Tone 1.wav" .. "Call Tone 10.wav" into the folder named on
// the command line: 16-bit PCM mono, one short chime pattern per calling alert level.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kSampleRate = 22050;
constexpr double kPi = 3.14159265358979323846;
constexpr double kAmplitude = 0.45 * 32767.0;

struct Note {
    int semitone;    // above A4 (440 Hz); the patterns keep to a major pentatonic scale
    double seconds;  // from this note's start to the next
};

// Each level its own short phrase, growing busier with the level, 1.1 s to 1.9 s long.
const std::vector<Note> kPatterns[] = {
    {{3, 0.55}, {-2, 0.6}},
    {{-2, 0.3}, {3, 0.8}},
    {{3, 0.25}, {7, 0.25}, {10, 0.7}},
    {{10, 0.25}, {7, 0.25}, {3, 0.7}},
    {{3, 0.2}, {3, 0.2}, {10, 0.8}},
    {{5, 0.18}, {7, 0.18}, {10, 0.18}, {15, 0.7}},
    {{15, 0.18}, {10, 0.18}, {7, 0.18}, {5, 0.7}},
    {{7, 0.15}, {12, 0.15}, {7, 0.15}, {12, 0.15}, {15, 0.7}},
    {{3, 0.14}, {5, 0.14}, {7, 0.14}, {10, 0.14}, {12, 0.14}, {15, 0.9}},
    {{12, 0.12}, {15, 0.12}, {12, 0.12}, {15, 0.12}, {19, 0.12}, {22, 0.12}, {24, 1.0}},
};

double Frequency(int semitone)
{
    return 440.0 * std::pow(2.0, semitone / 12.0);
}

// A bell-like note: a fundamental with a softer octave, a quick attack and a decay that
// rings on under the next note.
void AddNote(std::vector<double>& mix, std::size_t start, const Note& note)
{
    const double frequency = Frequency(note.semitone);
    const auto length = static_cast<std::size_t>(std::max(note.seconds, 0.45) * kSampleRate);
    for (std::size_t i = 0; i < length && start + i < mix.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double attack = std::min(1.0, t / 0.008);
        const double decay = std::exp(-t * 5.0);
        const double tone = std::sin(2 * kPi * frequency * t) + 0.3 * std::sin(4 * kPi * frequency * t);
        mix[start + i] += attack * decay * tone / 1.3;
    }
}

std::vector<std::int16_t> Render(const std::vector<Note>& pattern)
{
    double total = 0;
    for (const Note& note : pattern)
        total += note.seconds;
    std::vector<double> mix(static_cast<std::size_t>(total * kSampleRate), 0.0);
    std::size_t start = 0;
    for (const Note& note : pattern) {
        AddNote(mix, start, note);
        start += static_cast<std::size_t>(note.seconds * kSampleRate);
    }
    // Overlapping notes add up: scale the whole phrase instead of clipping it.
    double peak = 1.0;
    for (const double value : mix)
        peak = std::max(peak, std::abs(value));
    std::vector<std::int16_t> samples;
    const std::size_t fade = kSampleRate / 50;
    for (std::size_t i = 0; i < mix.size(); ++i) {
        const double tail = std::min(1.0, static_cast<double>(mix.size() - i) / fade);
        const double value = mix[i] / peak * tail * kAmplitude;
        samples.push_back(static_cast<std::int16_t>(std::lround(value)));
    }
    return samples;
}

void PutLittleEndian(std::ofstream& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool WriteWave(const std::string& path, const std::vector<std::int16_t>& samples)
{
    std::ofstream out(path, std::ios::binary);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    PutLittleEndian(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    PutLittleEndian(out, 16, 4);                // format chunk size
    PutLittleEndian(out, 1, 2);                 // PCM
    PutLittleEndian(out, 1, 2);                 // mono
    PutLittleEndian(out, kSampleRate, 4);
    PutLittleEndian(out, kSampleRate * 2, 4);   // bytes per second
    PutLittleEndian(out, 2, 2);                 // bytes per frame
    PutLittleEndian(out, 16, 2);                // bits per sample
    out.write("data", 4);
    PutLittleEndian(out, dataBytes, 4);
    for (const std::int16_t sample : samples)
        PutLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    int level = 1;
    for (const auto& pattern : kPatterns) {
        const std::string path = std::string(argv[1]) + "/Call Tone " + std::to_string(level++) + ".wav";
        if (!WriteWave(path, Render(pattern))) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
