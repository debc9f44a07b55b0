#include "sim/SimCommandLine.h"

#include "core/document/DataFile.h"
#include "core/link/TextFields.h"

#include <algorithm>
#include <functional>
#include <map>

namespace qtr::sim {

namespace {

std::optional<std::uint8_t> Byte(const std::string& text)
{
    const auto value = ParseWhole<unsigned>(text.rfind("0x", 0) == 0 ? text.substr(2) : text, 16);
    if (!value || *value > 0xFF)
        return std::nullopt;
    return static_cast<std::uint8_t>(*value);
}

struct Choices {
    std::string model = "P7100";
    std::optional<std::uint8_t> typeByte;
    std::optional<std::uint8_t> lineLetter;
    std::vector<std::string> images;
    std::size_t radios = 0;
    unsigned rate = 9600;
    bool paced = false;
    std::vector<Fault> faults;
    std::string saveFile;
    bool help = false;
    bool version = false;
};

bool* FlagOf(Choices& choices, const std::string& word)
{
    if (word == "--pace")
        return &choices.paced;
    if (word == "--help")
        return &choices.help;
    if (word == "--version")
        return &choices.version;
    return nullptr;
}

using Handler = std::function<bool(Choices&, const std::string&)>;

const std::map<std::string, Handler>& Handlers()
{
    static const std::map<std::string, Handler> handlers{
        {"--model", [](Choices& c, const std::string& v) { c.model = v; return v.size() == 5; }},
        {"--type", [](Choices& c, const std::string& v) { return (c.typeByte = Byte(v)).has_value(); }},
        {"--line",
         [](Choices& c, const std::string& v) {
             c.lineLetter = static_cast<std::uint8_t>(v.empty() ? 0 : v[0]);
             return v.size() == 1;
         }},
        {"--rate",
         [](Choices& c, const std::string& v) {
             const auto rate = ParseWhole<unsigned>(v);
             c.rate = rate.value_or(0);
             return rate && std::ranges::find(kHandshakeRates, *rate) != kHandshakeRates.end();
         }},
        {"--image", [](Choices& c, const std::string& v) { c.images.push_back(v); return true; }},
        {"--radios",
         [](Choices& c, const std::string& v) {
             c.radios = ParseWhole<std::size_t>(v).value_or(0);
             return c.radios > 0;
         }},
        {"--fault",
         [](Choices& c, const std::string& v) {
             const auto fault = ParseFault(v);
             if (fault)
                 c.faults.push_back(*fault);
             return fault.has_value();
         }},
        {"--save", [](Choices& c, const std::string& v) { c.saveFile = v; return true; }},
    };
    return handlers;
}

} // namespace

const char* SimCommandLine::Usage()
{
    return "Usage: qtr31x-sim [--model CODE] [--type HEX] [--line B|L] [--rate RATE] [--pace]\n"
           "                  [--image FILE]... [--radios N] [--fault STEP:KIND[:SKIP[:COUNT[:BYTES]]]]...\n"
           "                  [--save FILE]\n"
           "       qtr31x-sim --help | --version\n"
           "Plays a radio on a pseudo-terminal and prints the path of its slave side; point the\n"
           "program's port at it (setting Ports/COMn, or qtr31x-cli --port PATH). Stops on Ctrl+C.\n"
           "Line: 9600 baud (--rate), 8 data bits, no parity, 2 stop bits (8N2), no flow control;\n"
           "a relay to another device must set them (socat: b9600,cs8,cstopb=1,parenb=0).\n"
           "  --model  P7100 P71L0 P8100 P81L0 P81L1 BRS02 BRS08 BRS16 BRL02 BRL08 BRL16 (default P7100)\n"
           "  --type   the identity's type byte, e.g. 15 for VHF 8 channels (default: the model's)\n"
           "  --rate   9600 19200 4800 2400 1200: the only rate the radio answers at (default 9600)\n"
           "  --pace   bytes take their real time on the line (11 bit times each)\n"
           "  --image  a data file whose image is the radio's memory; given again, the next radio's\n"
           "           (the last one serves the radios beyond them)\n"
           "  --radios the radios that answer in turn, as on a cable at a fleet station: once a radio\n"
           "           has told its serial number, the next \"PROGRAM\" meets the next radio, whose\n"
           "           serial number ends one higher (default: one per --image, else 1); each radio\n"
           "           has the faults of --fault\n"
           "  --fault  steps: handshake identity identity-confirm read-block read-confirm write-block end\n"
           "           serial serial-confirm info info-confirm, in test mode tuning test-data\n"
           "           test-data-confirm test-channel test-channel-confirm test-signalling wide transmit\n"
           "           code-enter code-value point-values measure code-end (and identity, end);\n"
           "           kinds: silence wrong-byte nak short long\n"
           "           stray-byte bad-checksum hang-up stores-other; SKIP answers go right first, COUNT\n"
           "           (0: all) go wrong, a hang-up comes after BYTES bytes of the answer, stores-other\n"
           "           acknowledges a written block but keeps it altered\n"
           "  --save   writes the radio's memory to a data file when the simulator stops\n";
}

std::optional<SimCommandLine> SimCommandLine::Parse(const std::vector<std::string>& words, std::string& error)
{
    Choices choices;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (bool* flag = FlagOf(choices, word)) {
            *flag = true;
            continue;
        }
        const auto handler = Handlers().find(word);
        if (handler == Handlers().end() || i + 1 == words.size() || !handler->second(choices, words[i + 1])) {
            error = "cannot use " + word + (i + 1 < words.size() ? " " + words[i + 1] : "");
            return std::nullopt;
        }
        ++i;
    }
    const auto identity = RadioProfile::IdentityOf(choices.model, choices.typeByte, choices.lineLetter);
    if (!identity) {
        error = "no such model code " + choices.model;
        return std::nullopt;
    }
    SimCommandLine line{RadioProfile::Factory(*identity), {}, choices.saveFile, choices.help, choices.version};
    line.profile.rate = choices.rate;
    line.profile.paced = choices.paced;
    line.profile.faults = choices.faults;
    auto radios = line.profile.Series(std::max(choices.radios, std::max<std::size_t>(choices.images.size(), 1)));
    for (std::size_t i = 0; i < choices.images.size(); ++i) {
        const auto file = datafile::Read(choices.images[i]);
        if (file.error != datafile::ReadError::None) {
            error = "cannot read the data file " + choices.images[i];
            return std::nullopt;
        }
        for (std::size_t radio = i; radio < radios.size(); ++radio)
            radios[radio].memory = file.image;
    }
    line.profile = radios.front();
    line.following.assign(radios.begin() + 1, radios.end());
    return line;
}

} // namespace qtr::sim
